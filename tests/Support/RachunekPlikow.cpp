#include "RachunekPlikow.h"

#include "Support/MigawkaKatalogu.h"

#include <QCryptographicHash>
#include <QFile>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray skrotTresci(const QByteArray &tresc)
{
    return QCryptographicHash::hash(tresc, QCryptographicHash::Sha1).toHex();
}

} // namespace

bool RachunekPlikow::zapisz(const QByteArray &sciezka, const QByteArray &tresc)
{
    const int fd = ::open(sciezka.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool zapisany = ::write(fd, tresc.constData(), size_t(tresc.size())) == tresc.size();
    ::close(fd);
    if (zapisany)
        dolicz(tresc, QFile::decodeName(sciezka));
    return zapisany;
}

bool RachunekPlikow::nadajWlasneTresci(const QString &katalog, const std::function<QByteArray()> &nowaTresc)
{
    QList<QByteArray> pliki;
    przejdzDrzewo(QFile::encodeName(katalog), [&](const QByteArray &sciezka, const struct stat &info) {
        if (S_ISREG(info.st_mode))
            pliki << sciezka;
    });
    for (const QByteArray &plik : std::as_const(pliki)) {
        if (!zapisz(plik, nowaTresc()))
            return false;
    }
    return true;
}

void RachunekPlikow::dolicz(const QByteArray &tresc, const QString &gdzie, int ile)
{
    const QByteArray klucz = skrotTresci(tresc);
    m_oczekiwane[klucz] += ile;
    m_opisy.insert(klucz, gdzie.mid(m_baza.size()));
}

void RachunekPlikow::usunDrzewo(const QString &sciezka)
{
    // A copy the program made since the account last looked is taken on first: writing off its files alone would
    // leave the originals counted as copies nobody made.
    przyjmijKopie();
    usunWpis(QFile::encodeName(sciezka));
}

void RachunekPlikow::usunWpis(const QByteArray &sciezka)
{
    struct stat info;
    if (lstat(sciezka.constData(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        const QByteArray klucz = skrotTresci(trescWpisu(sciezka, info));
        if (::unlink(sciezka.constData()) == 0)
            --m_oczekiwane[klucz];
        return;
    }
    for (const QByteArray &nazwa : nazwyWKatalogu(sciezka))
        usunWpis(sciezka + '/' + nazwa);
    // What the program moved in meanwhile keeps the folder, and stays counted.
    ::rmdir(sciezka.constData());
}

void RachunekPlikow::zliczPliki(QHash<QByteArray, int> &znalezione, QHash<QByteArray, QString> &polozenie,
                                QStringList &ukryte) const
{
    // A file the program renames while the walk runs (into the archive, into the Trash) can be met before and after
    // its move: one inode is one file.
    QSet<QPair<quint64, quint64>> widziane;
    for (const QString &korzen : QStringList{m_baza} + m_katalogiPozaBaza) {
        const QByteArray bajty = QFile::encodeName(korzen);
        const QString przedrostek = korzen == m_baza ? QString() : korzen;
        przejdzDrzewo(bajty, [&](const QByteArray &sciezka, const struct stat &info) {
            if (S_ISDIR(info.st_mode))
                return;
            const auto plik = qMakePair(quint64(info.st_dev), quint64(info.st_ino));
            if (widziane.contains(plik))
                return;
            widziane.insert(plik);
            const QString wzgledna = QFile::decodeName(sciezka.mid(bajty.size()));
            if (wzgledna.contains(QLatin1String("/."))) {
                ukryte << przedrostek + wzgledna;
                return;
            }
            const QByteArray klucz = skrotTresci(trescWpisu(sciezka, info));
            ++znalezione[klucz];
            polozenie.insert(klucz, przedrostek + wzgledna);
        });
    }
}

void RachunekPlikow::przyjmijKopie()
{
    QHash<QByteArray, int> znalezione;
    QHash<QByteArray, QString> polozenie;
    QStringList ukryte;
    zliczPliki(znalezione, polozenie, ukryte);
    for (auto it = znalezione.cbegin(); it != znalezione.cend(); ++it) {
        if (m_oczekiwane.value(it.key()) > 0 && m_oczekiwane.value(it.key()) < it.value())
            m_oczekiwane[it.key()] = it.value();
    }
}

QString RachunekPlikow::roznica() const
{
    QHash<QByteArray, int> znalezione;
    QHash<QByteArray, QString> polozenie;
    QStringList ukryte;
    zliczPliki(znalezione, polozenie, ukryte);
    QStringList zgubione, nadmiarowe;
    for (auto it = m_oczekiwane.cbegin(); it != m_oczekiwane.cend(); ++it) {
        if (znalezione.value(it.key()) < it.value())
            zgubione << m_opisy.value(it.key());
    }
    for (auto it = znalezione.cbegin(); it != znalezione.cend(); ++it) {
        if (m_oczekiwane.value(it.key()) < it.value())
            nadmiarowe << polozenie.value(it.key());
    }
    if (zgubione.isEmpty() && nadmiarowe.isEmpty() && ukryte.isEmpty())
        return {};
    return QStringLiteral("\n  lost (first place known): ") + zgubione.join(QLatin1String(", "))
           + QStringLiteral("\n  unexpected copies or changed bytes: ") + nadmiarowe.join(QLatin1String(", "))
           + QStringLiteral("\n  hidden leftovers: ") + ukryte.join(QLatin1String(", "));
}
