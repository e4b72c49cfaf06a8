#include "platform/TUhr.h"

QDateTime TUhr::Jetzt() const {
    return QDateTime::currentDateTime();
}
