#pragma once

// The handle views hold to reach the canvas.

class QWidget;
class WebViewViewController;

struct WebView {
    WebViewViewController* controller = nullptr;
    // The permanent widget the canvas view lives in, when the window has one;
    // without it each editor takes the view in and gives it back.
    QWidget* host = nullptr;
};
