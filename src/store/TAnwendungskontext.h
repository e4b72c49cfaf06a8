#pragma once
// The one application context: every role the parts of the program offer each other and
// every piece of state they share, found by its type. `src/app` wires it at start; a role
// nobody installed answers with its own default (doing nothing, or the plain behaviour),
// created here on first use. Only a `TRollenersatz` puts another implementation in place,
// and it restores the one before when it goes.

#include <memory>
#include <typeindex>
#include <unordered_map>

class TAnwendungskontext {
public:
    TAnwendungskontext() = default;
    TAnwendungskontext(const TAnwendungskontext&) = delete;
    TAnwendungskontext& operator=(const TAnwendungskontext&) = delete;

    // The implementation of role `R` in use.
    template <class R> R& Rolle() {
        TEintrag& e = Eintraege[std::type_index(typeid(R))];
        if (e.Eingesetzt) return *static_cast<R*>(e.Eingesetzt);
        if (!e.Vorgabe) e.Vorgabe = std::make_shared<R>();
        return *static_cast<R*>(e.Vorgabe.get());
    }

private:
    template <class R> friend class TRollenersatz;

    // Puts `Neu` in place (none: the default again); answers the one before.
    template <class R> R* Einsetzen(R* Neu) {
        TEintrag& e = Eintraege[std::type_index(typeid(R))];
        R* vorher = static_cast<R*>(e.Eingesetzt);
        e.Eingesetzt = Neu;
        return vorher;
    }

    struct TEintrag {
        void* Eingesetzt = nullptr;    // not owned
        std::shared_ptr<void> Vorgabe; // owned, keeps the deleter of its type
    };
    std::unordered_map<std::type_index, TEintrag> Eintraege;
};

// The context of the running program.
TAnwendungskontext& Anwendungskontext();

template <class R> R& Rolle() {
    return Anwendungskontext().Rolle<R>();
}

// Puts `Ersatz` (not owned) in place of role `R` for as long as the guard lives: the
// program's wiring in `src/app`, and tests that replace one role.
template <class R> class TRollenersatz {
public:
    explicit TRollenersatz(R& Ersatz) : Vorher(Anwendungskontext().Einsetzen<R>(&Ersatz)) {}
    ~TRollenersatz() { Anwendungskontext().Einsetzen<R>(Vorher); }
    TRollenersatz(const TRollenersatz&) = delete;
    TRollenersatz& operator=(const TRollenersatz&) = delete;

private:
    R* Vorher;
};
