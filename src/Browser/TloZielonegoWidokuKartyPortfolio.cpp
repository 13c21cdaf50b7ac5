#include "TloZielonegoWidokuKartyPortfolio.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/WindowAnchoredTexture.h"

#include <QPainter>

void TloZielonegoWidokuKartyPortfolio::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    malarz.fillRect(rect(),
                    WindowAnchoredTexture::brush(ObrazyAplikacji::obraz(QStringLiteral("ZieloneTloKartyPortfolio")),
                                                 mapTo(window(), QPoint(0, 0))));
}
