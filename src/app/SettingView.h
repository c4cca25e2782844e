#pragma once

#include <QList>
#include <QWidget>

class SettingLinkRow;
class VersionView;

// The settings page: the title, four link rows that open the maker's web
// pages in the browser (the main window's toast tells when no program could
// be started for one), and the version footer.
class SettingView : public QWidget {
    Q_OBJECT
public:
    explicit SettingView(QWidget* parent = nullptr);

    // Top to bottom: comment, privacy policy, licence agreement, support.
    const QList<SettingLinkRow*>& rows() const { return m_rows; }
    VersionView* versionView() const { return m_versionView; }

private:
    QList<SettingLinkRow*> m_rows;
    VersionView* m_versionView;
};
