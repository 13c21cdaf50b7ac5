#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Lets the user pick one folder. The program uses a file dialog; tests put a chooser of their
// own in place to script the choice.
class FolderChooser
{
public:
    struct Request
    {
        QString prompt;      // the title of the accepting button
        QString message;     // what the user is asked for
        QString startFolder; // where the chooser opens
        bool canCreateDirectories = true;
    };

    // The chosen folder, or nothing when the user cancelled.
    using Completion = std::function<void(const std::optional<QString> &katalog)>;

    virtual ~FolderChooser() = default;

    // Opens the chooser as a sheet on the window and returns at once; `zakonczenie` runs on the
    // main thread when the chooser has closed.
    virtual void choose(QWidget *okno, const Request &prosba, Completion zakonczenie) = 0;

    static FolderChooser &current();
    // Puts `chooser` in place (null: the file dialog) and answers the one it replaces.
    static FolderChooser *replace(FolderChooser *chooser);
};
