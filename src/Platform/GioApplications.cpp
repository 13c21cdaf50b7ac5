// GIO's headers declare members named "signals"; Qt's keyword macros must stay out.
#define QT_NO_KEYWORDS

#include "GioApplications.h"

#include "Konsola.h"

#include <QFile>

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

void zapiszBladUruchomienia(const QString &opis, const QString &path)
{
    drukujLinie(QStringLiteral("Błąd: %1 %2"), opis, path);
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

GioApplications::Application opisProgramu(GAppInfo *program)
{
    GIcon *ikona = g_app_info_get_icon(program);
    return {QString::fromUtf8(g_app_info_get_id(program)), QString::fromUtf8(g_app_info_get_display_name(program)),
            ikona ? ikonaZGio(ikona) : QIcon()};
}

} // namespace

bool GioApplications::launchDefaultForPath(const QString &path)
{
    GFile *plik = g_file_new_for_path(QFile::encodeName(path).constData());
    gchar *uri = g_file_get_uri(plik);
    GError *blad = nullptr;
    const bool udane = g_app_info_launch_default_for_uri(uri, nullptr, &blad);
    if (!udane) {
        zapiszBladUruchomienia(QString::fromUtf8(blad ? blad->message : ""), path);
        g_clear_error(&blad);
    }
    g_free(uri);
    g_object_unref(plik);
    return udane;
}

bool GioApplications::launchWithApplication(const QString &path, const QString &desktopId)
{
    const ObiektGio<GDesktopAppInfo> program(g_desktop_app_info_new(desktopId.toUtf8().constData()));
    if (!program) {
        zapiszBladUruchomienia(QStringLiteral("No application has the desktop entry “%1”.").arg(desktopId), path);
        return false;
    }
    const ObiektGio<GFile> plik(g_file_new_for_path(QFile::encodeName(path).constData()));
    GList pliki = {plik.get(), nullptr, nullptr};
    GError *blad = nullptr;
    const bool udane = g_app_info_launch(G_APP_INFO(program.get()), &pliki, nullptr, &blad);
    if (!udane) {
        zapiszBladUruchomienia(QString::fromUtf8(blad ? blad->message : ""), path);
        g_clear_error(&blad);
    }
    return udane;
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
