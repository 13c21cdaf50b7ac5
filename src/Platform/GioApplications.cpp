// GIO's headers declare members named "signals"; Qt's keyword macros must stay out.
#define QT_NO_KEYWORDS

#include "GioApplications.h"

#include "Konsola.h"

#include <QFile>
#include <QFileInfo>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace {

struct ZwolnienieObiektuGio
{
    void operator()(gpointer obiekt) const { g_object_unref(obiekt); }
};
template <typename T>
using ObiektGio = std::unique_ptr<T, ZwolnienieObiektuGio>;

const QString opisOtwarcia = QStringLiteral("Could not open the item.");

void zapiszBladUruchomienia(const QString &opis, const QString &path)
{
    drukujLinie(QStringLiteral("Błąd: %1 %2"), opis, path);
}

bool uruchom(GAppInfo *program, GFile *plik, const QString &path, BladOperacji *blad)
{
    GList pliki = {plik, nullptr, nullptr};
    GError *bladGio = nullptr;
    if (g_app_info_launch(program, &pliki, nullptr, &bladGio))
        return true;
    const QString komunikat = QString::fromUtf8(bladGio ? bladGio->message : "");
    g_clear_error(&bladGio);
    zapiszBladUruchomienia(komunikat, path);
    BladOperacji::ustaw(blad, QStringLiteral("GIO"), GioApplications::pnNieUruchomiona, opisOtwarcia,
                        QStringLiteral("The application \u201C%1\u201D could not start: %2")
                            .arg(QString::fromUtf8(g_app_info_get_display_name(program)), komunikat));
    return false;
}

QIcon ikonaZGio(GIcon *ikona)
{
    if (G_IS_THEMED_ICON(ikona)) {
        for (const gchar *const *nazwa = g_themed_icon_get_names(G_THEMED_ICON(ikona)); nazwa && *nazwa; ++nazwa) {
            const QIcon zMotywu = QIcon::fromTheme(QString::fromUtf8(*nazwa));
            if (!zMotywu.isNull())
                return zMotywu;
        }
    } else if (G_IS_FILE_ICON(ikona)) {
        gchar *sciezka = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(ikona)));
        const QIcon zPliku = sciezka ? QIcon(QFile::decodeName(sciezka)) : QIcon();
        g_free(sciezka);
        return zPliku;
    }
    return {};
}

// A type GIO cannot name ("unknown") says nothing to the user: the item itself is named then.
QString brakAplikacji(const char *typ, const QString &path)
{
    if (g_content_type_is_unknown(typ))
        return QStringLiteral("No application is set to open \u201C%1\u201D.").arg(QFileInfo(path).fileName());
    gchar *opisTypu = g_content_type_get_description(typ);
    const QString przyczyna = QStringLiteral("No application is set to open items of the type \u201C%1\u201D.")
                                  .arg(QString::fromUtf8(opisTypu && *opisTypu ? opisTypu : typ));
    g_free(opisTypu);
    return przyczyna;
}

GioApplications::Application opisProgramu(GAppInfo *program)
{
    GIcon *ikona = g_app_info_get_icon(program);
    return {QString::fromUtf8(g_app_info_get_id(program)), QString::fromUtf8(g_app_info_get_display_name(program)),
            ikona ? ikonaZGio(ikona) : QIcon()};
}

} // namespace

bool GioApplications::launchDefaultForPath(const QString &path, BladOperacji *blad)
{
    const ObiektGio<GFile> plik(g_file_new_for_path(QFile::encodeName(path).constData()));
    GError *bladGio = nullptr;
    const ObiektGio<GFileInfo> info(g_file_query_info(plik.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                      G_FILE_QUERY_INFO_NONE, nullptr, &bladGio));
    const char *typ = info ? g_file_info_get_content_type(info.get()) : nullptr;
    if (!typ) {
        const QString przyczyna = QString::fromUtf8(bladGio ? bladGio->message : "");
        g_clear_error(&bladGio);
        zapiszBladUruchomienia(przyczyna, path);
        BladOperacji::ustaw(blad, QStringLiteral("GIO"), GioApplications::pnNieznanyTyp, opisOtwarcia,
                            QStringLiteral("Its type could not be read: %1").arg(przyczyna));
        return false;
    }
    const ObiektGio<GAppInfo> program(g_app_info_get_default_for_type(typ, FALSE));
    if (!program) {
        const QString przyczyna = brakAplikacji(typ, path);
        zapiszBladUruchomienia(przyczyna, path);
        BladOperacji::ustaw(blad, QStringLiteral("GIO"), GioApplications::pnBrakAplikacji, opisOtwarcia, przyczyna);
        return false;
    }
    return uruchom(program.get(), plik.get(), path, blad);
}

bool GioApplications::launchWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad)
{
    const ObiektGio<GDesktopAppInfo> program(g_desktop_app_info_new(desktopId.toUtf8().constData()));
    if (!program) {
        const QString przyczyna = QStringLiteral("No application has the desktop entry \u201C%1\u201D.").arg(desktopId);
        zapiszBladUruchomienia(przyczyna, path);
        BladOperacji::ustaw(blad, QStringLiteral("GIO"), GioApplications::pnBrakAplikacji, opisOtwarcia, przyczyna);
        return false;
    }
    const ObiektGio<GFile> plik(g_file_new_for_path(QFile::encodeName(path).constData()));
    return uruchom(G_APP_INFO(program.get()), plik.get(), path, blad);
}

std::optional<GioApplications::Application> GioApplications::defaultForType(const QString &mimeType)
{
    const ObiektGio<GAppInfo> program(g_app_info_get_default_for_type(mimeType.toUtf8().constData(), FALSE));
    if (!program)
        return std::nullopt;
    return opisProgramu(program.get());
}

QList<GioApplications::Application> GioApplications::othersForType(const QString &mimeType)
{
    const QByteArray typ = mimeType.toUtf8();
    const ObiektGio<GAppInfo> domyslny(g_app_info_get_default_for_type(typ.constData(), FALSE));
    QList<Application> programy;
    GList *wszystkie = g_app_info_get_all_for_type(typ.constData());
    for (GList *wpis = wszystkie; wpis; wpis = wpis->next) {
        auto *program = static_cast<GAppInfo *>(wpis->data);
        if (!domyslny || !g_app_info_equal(program, domyslny.get()))
            programy.append(opisProgramu(program));
    }
    g_list_free_full(wszystkie, g_object_unref);
    return programy;
}

QString GioApplications::desktopEntryValue(const QString &desktopId, const QString &key)
{
    const ObiektGio<GDesktopAppInfo> program(g_desktop_app_info_new(desktopId.toUtf8().constData()));
    if (!program)
        return {};
    const QByteArray klucz = key.toUtf8();
    char *wartosc = g_desktop_app_info_get_locale_string(program.get(), klucz.constData());
    if (!wartosc)
        wartosc = g_desktop_app_info_get_string(program.get(), klucz.constData());
    const QString tekst = wartosc ? QString::fromUtf8(wartosc) : QString();
    g_free(wartosc);
    return tekst;
}
