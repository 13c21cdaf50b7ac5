// GIO's headers declare members named "signals"; Qt's keyword macros must stay out.
#define QT_NO_KEYWORDS

#include "GioApplications.h"

#include "Konsola.h"

#include <QFile>

#include <gio/gio.h>

bool GioApplications::launchDefaultForPath(const QString &path)
{
    GFile *plik = g_file_new_for_path(QFile::encodeName(path).constData());
    gchar *uri = g_file_get_uri(plik);
    GError *blad = nullptr;
    const bool udane = g_app_info_launch_default_for_uri(uri, nullptr, &blad);
    if (!udane) {
        drukujLinie(QStringLiteral("Błąd: %1 %2"), QString::fromUtf8(blad ? blad->message : ""), path);
        g_clear_error(&blad);
    }
    g_free(uri);
    g_object_unref(plik);
    return udane;
}
