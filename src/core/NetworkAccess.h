#pragma once

class QNetworkAccessManager;

// The one network access manager of the process, created on first use on the
// main thread and owned by the application object.
QNetworkAccessManager& sharedNetworkAccessManager();
