#pragma once

class PreferencesWindowController;

// The widget tree of the "PreferencesWindow" resource: the window with the portfolio location and
// its change button, and the change of location with its sheet, set-up service and migration
// progress, wired to one another and to their owner.
class PreferencesResources
{
public:
    static void zaladuj(PreferencesWindowController *wlasciciel);
};
