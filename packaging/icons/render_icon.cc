// render_icon SVG SIZE PNG: draws the SVG file into a SIZE x SIZE PNG with
// a transparent background. Used by scripts/render-icons to make the
// committed PNG renders of the icon; not part of the package.
// Exit status: 0 written, 1 the SVG cannot be read or the PNG not written,
// 64 bad arguments.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: render_icon SVG SIZE PNG\n");
    return 64;
  }
  QGuiApplication app(argc, argv);
  QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const int size = std::atoi(argv[2]);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
