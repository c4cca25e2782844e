#pragma once

// The local object store "TessalyDesk" with its Item entity. Nothing in the
// application reads or writes it beyond handing it to the main window.

#include "core/PersistentContainer.h"

class PersistenceController {
public:
    explicit PersistenceController(bool inMemory = false, const QString& storePath = {});

    // The on-disk store, created on first use and kept for the whole run.
    static PersistenceController& shared();
    // An in-memory store holding ten items stamped with the time of creation.
    static PersistenceController& preview();

    PersistentContainer& container() { return m_container; }
    const PersistentContainer& container() const { return m_container; }

private:
    PersistentContainer m_container;
};
