#pragma once

class Menu;

// Fills or adjusts a menu just before it opens, before its items are validated.
class DelegatMenu
{
public:
    virtual ~DelegatMenu() = default;
    virtual void menuNeedsUpdate(Menu *menu) = 0;
};
