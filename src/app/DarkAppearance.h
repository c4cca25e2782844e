#pragma once

// The application is dark whatever the desktop's own setting.
class DarkAppearance {
public:
    static void apply();
};
