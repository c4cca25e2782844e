#pragma once

// The handle views hold to reach the canvas.

class WebViewViewController;

struct WebView {
    WebViewViewController* controller = nullptr;
};
