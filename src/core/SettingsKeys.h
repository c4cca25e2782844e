#pragma once

// Persisted settings: each key variable holds its key text, and each setting
// reads and writes the settings store under the text the variable holds at
// the time of the call. A key never written reads as false or 0.

#include <QString>

extern QString isFristOpenKey;
extern QString newTemplateRedDotKey;
extern QString pgnResolutionKey;
extern QString jpgResolutionKey;
extern QString cameraPermissionKey;
extern QString theNumberOfSaveLogoKey;
extern QString isFristOpenAppKey;
extern QString analyticsInitKey;

bool userDefaultsBool(const QString& key);
void setUserDefaultsBool(const QString& key, bool value);
int userDefaultsInt(const QString& key);
void setUserDefaultsInt(const QString& key, int value);

bool isFristOpen();
void setIsFristOpen(bool value);
bool newTemplateRedDot();
void setNewTemplateRedDot(bool value);
int pgnResolution();
void setPgnResolution(int value);
int jpgResolution();
void setJpgResolution(int value);
bool cameraPermission();
void setCameraPermission(bool value);
int theNumberOfSaveLogo();
void setTheNumberOfSaveLogo(int value);
bool isFristOpenApp();
void setIsFristOpenApp(bool value);
bool analyticsInit();
void setAnalyticsInit(bool value);
