#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

// One node of a folder-contents tree: its parent (none for the tree's root) and the file-system
// entity it stands for.
class WezelDrzewa : public QObject
{
    Q_OBJECT

public:
    WezelDrzewa(QObject *reprezentowanyObiekt, WezelDrzewa *rodzic);

    WezelDrzewa *parentNode() const { return m_rodzic; }
    QObject *representedObject() const { return m_reprezentowanyObiekt; }

private:
    QPointer<QObject> m_reprezentowanyObiekt;
    QPointer<WezelDrzewa> m_rodzic;
};

// The tree behind a folder-contents outline and the nodes selected in it.
class KontrolerDrzewa : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QList<WezelDrzewa *> selectedNodes() const;
    void setSelectedNodes(const QList<WezelDrzewa *> &wezly);

signals:
    void selectionChanged();

private:
    QList<QPointer<WezelDrzewa>> m_zaznaczone;
};
