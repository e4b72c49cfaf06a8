#include "platform/Tastencodes.h"

int VirtuellerTastencode(int QtTaste, Qt::KeyboardModifiers Umschalter) {
    const bool ziffernblock = Umschalter.testFlag(Qt::KeypadModifier);
    if (ziffernblock && QtTaste >= Qt::Key_0 && QtTaste <= Qt::Key_9)
        return 0x60 + (QtTaste - Qt::Key_0);
    if (QtTaste >= Qt::Key_A && QtTaste <= Qt::Key_Z) return 'A' + (QtTaste - Qt::Key_A);
    if (QtTaste >= Qt::Key_0 && QtTaste <= Qt::Key_9) return '0' + (QtTaste - Qt::Key_0);
    if (QtTaste >= Qt::Key_F1 && QtTaste <= Qt::Key_F24) return 0x70 + (QtTaste - Qt::Key_F1);
    switch (QtTaste) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Print: return 0x2C;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Help: return 0x2F;
    case Qt::Key_Meta: return 0x5B;
    case Qt::Key_Menu: return 0x5D;
    case Qt::Key_Asterisk: return ziffernblock ? 0x6A : 0xBB;
    case Qt::Key_Plus: return ziffernblock ? 0x6B : 0xBB;
    case Qt::Key_Minus: return ziffernblock ? 0x6D : 0xBD;
    case Qt::Key_Period: return ziffernblock ? 0x6E : 0xBE;
    case Qt::Key_Slash: return ziffernblock ? 0x6F : '7';
    case Qt::Key_Comma:
    case Qt::Key_Semicolon: return 0xBC;
    case Qt::Key_Colon: return 0xBE;
    case Qt::Key_Underscore: return 0xBD;
    // Shifted characters of the German layout come from the key that carries them.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_QuoteDbl: return '2';
    case Qt::Key_section: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_Ampersand: return '6';
    case Qt::Key_ParenLeft: return '8';
    case Qt::Key_ParenRight: return '9';
    case Qt::Key_Equal: return '0';
    case Qt::Key_Question: return 0xDB;
    case Qt::Key_Apostrophe: return 0xBF;
    case Qt::Key_degree: return 0xDC;
    case Qt::Key_QuoteLeft: return 0xDD;
    case Qt::Key_NumLock: return 0x90;
    case Qt::Key_ScrollLock: return 0x91;
    // German layout: the keys right of the letters.
    case Qt::Key_Udiaeresis: return 0xBA;
    case Qt::Key_NumberSign: return 0xBF;
    case Qt::Key_Odiaeresis: return 0xC0;
    case Qt::Key_ssharp: return 0xDB;
    case Qt::Key_AsciiCircum: return 0xDC;
    case Qt::Key_acute: return 0xDD;
    case Qt::Key_Adiaeresis: return 0xDE;
    case Qt::Key_Less:
    case Qt::Key_Greater: return 0xE2;
    default: return 0;
    }
}
