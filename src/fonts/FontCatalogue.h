#pragma once

// The font catalogue: the server's font list beside the fonts shipped with
// the application, and the registration of the shipped font files.

#include "model/ResourceFontListModel.h"

#include <QStringList>

class FontCatalogue {
public:
    static FontCatalogue& shared();

    // The last font list the server sent (defaults until one arrives).
    const ResourceFontListModel& remoteFontList() const { return m_remoteFontList; }
    bool hasRemoteFontList() const { return m_hasRemoteFontList; }

    // The font files shipped in the share folder's "fonts" folder.
    static QStringList shippedFontFiles();
    // Families that registration made available, in file order.
    const QStringList& registeredFamilies() const { return m_registeredFamilies; }

private:
    friend void requestRemoteFontList();
    friend void registerLocalCJKFonts();

    ResourceFontListModel m_remoteFontList;
    bool m_hasRemoteFontList = false;
    bool m_registered = false;
    QStringList m_registeredFamilies;
};

// Requests the server's font list and keeps it in the catalogue.
void requestRemoteFontList();

// Registers each shipped font file with the application's font database, once
// per run; the canvas page sees them too. A file that fails is logged and skipped.
void registerLocalCJKFonts();
