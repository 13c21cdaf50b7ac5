#pragma once

#include <QObject>

// Tells whoever shows it to the user that a folder stream reached the system's limit of inotify
// watches: the folders left over are only looked at every few seconds. The platform layer
// knows no window; the application connects this to an alert.
class PowiadomienieOLimicieObserwacji : public QObject
{
    Q_OBJECT

public:
    static PowiadomienieOLimicieObserwacji *instancja();

    // Main thread; once for each stream that reaches the limit.
    void zglos() { emit limitOsiagniety(); }

signals:
    void limitOsiagniety();
};
