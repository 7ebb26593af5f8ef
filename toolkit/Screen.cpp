#include "Screen.h"

#include "Units.h"

#include <QGuiApplication>
#include <QScreen>

namespace toolkit {

namespace {

constexpr double TwipsPerInch = 1440.0;

const QScreen *primary() { return QGuiApplication::primaryScreen(); }

float twipsPerPixel(double dotsPerInch) { return static_cast<float>(TwipsPerInch / dotsPerInch); }

} // namespace

float Screen::TwipsPerPixelX() { return twipsPerPixel(primary()->logicalDotsPerInchX()); }
float Screen::TwipsPerPixelY() { return twipsPerPixel(primary()->logicalDotsPerInchY()); }
float Screen::Width() { return static_cast<float>(primary()->geometry().width() * double(TwipsPerPixelX())); }
float Screen::Height() { return static_cast<float>(primary()->geometry().height() * double(TwipsPerPixelY())); }

QPoint Screen::origin() { return primary()->geometry().topLeft(); }

int Screen::pixelsX(double twips) { return twipsToPixels(twips, TwipsPerPixelX()); }
int Screen::pixelsY(double twips) { return twipsToPixels(twips, TwipsPerPixelY()); }
float Screen::twipsX(int pixels) { return pixelsToTwips(pixels, TwipsPerPixelX()); }
float Screen::twipsY(int pixels) { return pixelsToTwips(pixels, TwipsPerPixelY()); }

} // namespace toolkit
