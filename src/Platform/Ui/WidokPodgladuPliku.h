#pragma once

#include <QStackedWidget>

class QLabel;
class QPlainTextEdit;
class WidokObrazuPodgladu;

// The preview of one file or folder, chosen by its type: an image scaled to fit, the beginning
// of a text read-only, a folder's icon, name and number of entries, and for anything else its
// thumbnail or icon, name, size and date modified.
class WidokPodgladuPliku : public QStackedWidget
{
    Q_OBJECT

public:
    enum class Rodzaj { Brak, Obraz, Tekst, Katalog, Inny };

    explicit WidokPodgladuPliku(QWidget *rodzic = nullptr);

    // An empty path, or one where nothing is, shows nothing.
    void pokazPlik(const QString &path);
    Rodzaj rodzaj() const { return m_rodzaj; }

    // How much of a text is read: enough to fill the panel, never a whole log file.
    static constexpr qint64 najwiecejBajtowTekstu = 256 * 1024;

private:
    static Rodzaj rodzajPliku(const QString &path);
    void pokazObraz(const QString &path);
    void pokazTekst(const QString &path);
    void pokazKatalog(const QString &path);
    void pokazInny(const QString &path);
    void pokazOpis(const QImage &obraz, const QString &path, const QString &szczegoly);

    Rodzaj m_rodzaj = Rodzaj::Brak;
    QWidget *m_pusty;
    WidokObrazuPodgladu *m_obraz;
    QPlainTextEdit *m_tekst;
    QWidget *m_opis;
    QLabel *m_ikonaOpisu;
    QLabel *m_nazwaOpisu;
    QLabel *m_szczegolyOpisu;
};
