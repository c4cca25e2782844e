#include "core/SettingsKeys.h"

#include <QSettings>

QString isFristOpenKey = QStringLiteral("isFristOpen");
QString newTemplateRedDotKey = QStringLiteral("newTemplateRedDotKey");
QString pgnResolutionKey = QStringLiteral("pgnResolution");
QString jpgResolutionKey = QStringLiteral("jpgResolution");
QString cameraPermissionKey = QStringLiteral("cameraPermission");
QString theNumberOfSaveLogoKey = QStringLiteral("theNumberOfSaveLogo");
QString isFristOpenAppKey = QStringLiteral("isFristOpenApp");
QString analyticsInitKey = QStringLiteral("analyticsInit");

namespace {
// One store for the application, whatever the process's application name.
QSettings settingsStore()
{
    return QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly"));
}
} // namespace

bool userDefaultsBool(const QString& key)
{
    return settingsStore().value(key, false).toBool();
}

void setUserDefaultsBool(const QString& key, bool value)
{
    settingsStore().setValue(key, value);
}

int userDefaultsInt(const QString& key)
{
    return settingsStore().value(key, 0).toInt();
}

void setUserDefaultsInt(const QString& key, int value)
{
    settingsStore().setValue(key, value);
}

bool isFristOpen()
{
    return userDefaultsBool(isFristOpenKey);
}
void setIsFristOpen(bool value)
{
    setUserDefaultsBool(isFristOpenKey, value);
}
bool newTemplateRedDot()
{
    return userDefaultsBool(newTemplateRedDotKey);
}
void setNewTemplateRedDot(bool value)
{
    setUserDefaultsBool(newTemplateRedDotKey, value);
}
int pgnResolution()
{
    return userDefaultsInt(pgnResolutionKey);
}
void setPgnResolution(int value)
{
    setUserDefaultsInt(pgnResolutionKey, value);
}
int jpgResolution()
{
    return userDefaultsInt(jpgResolutionKey);
}
void setJpgResolution(int value)
{
    setUserDefaultsInt(jpgResolutionKey, value);
}
bool cameraPermission()
{
    return userDefaultsBool(cameraPermissionKey);
}
void setCameraPermission(bool value)
{
    setUserDefaultsBool(cameraPermissionKey, value);
}
int theNumberOfSaveLogo()
{
    return userDefaultsInt(theNumberOfSaveLogoKey);
}
void setTheNumberOfSaveLogo(int value)
{
    setUserDefaultsInt(theNumberOfSaveLogoKey, value);
}
bool isFristOpenApp()
{
    return userDefaultsBool(isFristOpenAppKey);
}
void setIsFristOpenApp(bool value)
{
    setUserDefaultsBool(isFristOpenAppKey, value);
}
bool analyticsInit()
{
    return userDefaultsBool(analyticsInitKey);
}
void setAnalyticsInit(bool value)
{
    setUserDefaultsBool(analyticsInitKey, value);
}
