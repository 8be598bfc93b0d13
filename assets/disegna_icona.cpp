// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon for the desktop's icon theme: a balance scale with a kilogram
// weight on one pan and brass weights on the other, as in icona.xpm.
//
//   disegna_icona ASSETS LATO USCITA.png   one size in pixels
//   disegna_icona ASSETS svg USCITA.svg    the scalable icon
//   disegna_icona ASSETS ico USCITA.ico    the Windows icon: 16, 24, 32, 48 and 256 px
//
// The small sizes are pixel pictures drawn by hand (ASSETS/icona-LATO.xpm, and icona.xpm
// for 32); the larger ones and the SVG come from the drawing below, in a 256-unit square.
// At a size in pixels every edge falls on the pixel grid, outlines are at least a pixel
// wide, and details too small to see there are left out.
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

constexpr double Unita = 256;

struct Tratto {
    QColor pieno; // invalid: not filled
    QColor bordo; // invalid: no outline
    double spessore = 0;
};

// Where the drawing goes: a picture of some pixels, or SVG text.
class Tela {
public:
    virtual ~Tela() = default;
    // The side in pixels, or 0 for the scalable drawing.
    virtual double lato() const = 0;
    // Outlines fall inside the rectangle.
    virtual void rettangolo(QRectF r, double raggio, const Tratto& t) = 0;
    virtual void poligono(const QPolygonF& p, const Tratto& t) = 0;
    virtual void linea(QPointF a, QPointF b, const QColor& colore, double spessore) = 0;
    virtual void ellisse(QPointF centro, double rx, double ry, const Tratto& t) = 0;

    // Whether a detail `misura` units across is worth drawing at this size.
    bool visibile(double misura) const { return lato() == 0 || misura * lato() / Unita >= 2.5; }
};

class TelaPixel final : public Tela {
public:
    explicit TelaPixel(int lato) : m_img(lato, lato, QImage::Format_ARGB32_Premultiplied), m_s(lato / Unita)
    {
        m_img.fill(Qt::transparent);
        m_p.begin(&m_img);
        m_p.setRenderHint(QPainter::Antialiasing);
    }
    QImage fine()
    {
        m_p.end();
        return m_img;
    }

    double lato() const override { return m_img.width(); }

    void rettangolo(QRectF r, double raggio, const Tratto& t) override
    {
        QRectF fuori(px(r.left()), px(r.top()), 0, 0);
        fuori.setRight(px(r.right()));
        fuori.setBottom(px(r.bottom()));
        const double rg = std::round(raggio * m_s);
        if (t.bordo.isValid()) {
            piena(fuori, rg, t.bordo);
            const double b = spessore(t.spessore);
            fuori.adjust(b, b, -b, -b);
            piena(fuori, std::max(0.0, rg - b), t.pieno);
        } else {
            piena(fuori, rg, t.pieno);
        }
    }

    void poligono(const QPolygonF& p, const Tratto& t) override
    {
        QPainterPath percorso;
        const double b = t.bordo.isValid() ? spessore(t.spessore) : 0;
        QPolygonF q;
        for (const QPointF& v : p)
            q << QPointF(px(v.x(), b), px(v.y(), b));
        percorso.addPolygon(q);
        percorso.closeSubpath();
        disegna(percorso, t, b);
    }

    void linea(QPointF a, QPointF b, const QColor& colore, double spessore) override
    {
        const double w = this->spessore(spessore);
        m_p.setPen(QPen(colore, w, Qt::SolidLine, Qt::FlatCap));
        m_p.drawLine(QPointF(px(a.x(), w), px(a.y(), w)), QPointF(px(b.x(), w), px(b.y(), w)));
    }

    void ellisse(QPointF c, double rx, double ry, const Tratto& t) override
    {
        const double b = t.bordo.isValid() ? spessore(t.spessore) : 0;
        QPainterPath percorso;
        percorso.addEllipse(QPointF(px(c.x(), b), px(c.y(), b)), std::round(rx * m_s), std::round(ry * m_s));
        disegna(percorso, t, b);
    }

private:
    // On the pixel grid; a line of odd width runs along the pixels' middles.
    double px(double u, double larghezza = 0) const
    {
        const bool dispari = static_cast<int>(larghezza) % 2 == 1;
        return dispari ? std::floor(u * m_s) + 0.5 : std::round(u * m_s);
    }
    double spessore(double u) const { return std::max(1.0, std::round(u * m_s)); }

    void piena(const QRectF& r, double raggio, const QColor& colore)
    {
        if (!colore.isValid() || r.isEmpty())
            return;
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(colore);
        if (raggio > 0)
            m_p.drawRoundedRect(r, raggio, raggio);
        else
            m_p.drawRect(r);
    }

    void disegna(const QPainterPath& percorso, const Tratto& t, double b)
    {
        m_p.setBrush(t.pieno.isValid() ? QBrush(t.pieno) : QBrush(Qt::NoBrush));
        m_p.setPen(t.bordo.isValid() ? QPen(t.bordo, b, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(Qt::NoPen));
        m_p.drawPath(percorso);
    }

    QImage m_img;
    QPainter m_p;
    double m_s;
};

class TelaSvg final : public Tela {
public:
    QString fine() const
    {
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                              "viewBox=\"0 0 256 256\">\n"
                              "  <title>Misure di massa</title>\n") +
               m_corpo + QStringLiteral("</svg>\n");
    }

    double lato() const override { return 0; }

    void rettangolo(QRectF r, double raggio, const Tratto& t) override
    {
        if (t.bordo.isValid()) {
            rett(r, raggio, t.bordo);
            const double b = t.spessore;
            rett(r.adjusted(b, b, -b, -b), std::max(0.0, raggio - b), t.pieno);
        } else {
            rett(r, raggio, t.pieno);
        }
    }
    void poligono(const QPolygonF& p, const Tratto& t) override
    {
        QStringList punti;
        for (const QPointF& v : p)
            punti << n(v.x()) + QLatin1Char(',') + n(v.y());
        m_corpo += QStringLiteral("  <polygon points=\"%1\"%2/>\n").arg(punti.join(QLatin1Char(' ')), stile(t));
    }
    void linea(QPointF a, QPointF b, const QColor& colore, double spessore) override
    {
        m_corpo += QStringLiteral(
                       "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"/>\n")
                       .arg(n(a.x()), n(a.y()), n(b.x()), n(b.y()), colore.name(), n(spessore));
    }
    void ellisse(QPointF c, double rx, double ry, const Tratto& t) override
    {
        m_corpo += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>\n")
                       .arg(n(c.x()), n(c.y()), n(rx), n(ry), stile(t));
    }

private:
    static QString n(double v) { return QString::number(v, 'g', 6); }
    static QString stile(const Tratto& t)
    {
        QString s = QStringLiteral(" fill=\"%1\"").arg(t.pieno.isValid() ? t.pieno.name() : QStringLiteral("none"));
        if (t.bordo.isValid())
            s += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(t.bordo.name(), n(t.spessore));
        return s;
    }
    void rett(const QRectF& r, double raggio, const QColor& colore)
    {
        if (!colore.isValid())
            return;
        const QString angoli = raggio > 0 ? QStringLiteral(" rx=\"%1\"").arg(n(raggio)) : QString();
        m_corpo += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"%5 fill=\"%6\"/>\n")
                       .arg(n(r.x()), n(r.y()), n(r.width()), n(r.height()), angoli, colore.name());
    }

    QString m_corpo;
};

// The colours of icona.xpm.
const QColor Prato(0xC0, 0xFF, 0xC0);
const QColor Bordo(0x00, 0xC0, 0xC0);
const QColor Ciano(0x00, 0xFF, 0xFF);
const QColor Blu(0x00, 0x00, 0xC0);
const QColor BluScuro(0x00, 0x00, 0x80);
const QColor Giallo(0xFF, 0xFF, 0x80);
const QColor Ottone(0xC0, 0x80, 0x00);
const QColor Bruno(0x80, 0x40, 0x00);
const QColor Grigio(0x80, 0x80, 0x80);

void piatto(Tela& t, double x)
{
    // A shallow brass dish, its rim level with the other's.
    t.poligono(QPolygonF{{x, 164}, {x + 80, 164}, {x + 68, 184}, {x + 12, 184}}, {Giallo, Ottone, 6});
    if (t.visibile(12))
        t.rettangolo(QRectF(x + 16, 184, 48, 8), 0, {Bruno, {}, 0});
}

void disegna(Tela& t)
{
    // The tile.
    t.rettangolo(QRectF(4, 4, 248, 248), 32, {Prato, Bordo, 8});

    // Strings from the ends of the beam to the dishes' rims.
    const double filo = 4;
    for (const double x : {40.0, 216.0}) {
        t.linea({x, 84}, {x - 30, 164}, Grigio, filo);
        t.linea({x, 84}, {x + 30, 164}, Grigio, filo);
    }

    // Stand and beam, with the jewel on top.
    t.poligono(QPolygonF{{84, 236}, {172, 236}, {160, 214}, {96, 214}}, {Blu, BluScuro, 6});
    t.rettangolo(QRectF(118, 52, 20, 166), 0, {Blu, BluScuro, 6});
    t.rettangolo(QRectF(20, 66, 216, 20), 0, {Blu, BluScuro, 6});
    t.poligono(QPolygonF{{128, 10}, {150, 34}, {128, 58}, {106, 34}}, {Ciano, BluScuro, 6});
    if (t.visibile(16))
        t.linea({110, 34}, {146, 34}, Bordo, 3);

    // The kilogram: a bell of iron with a ring on top.
    if (t.visibile(20))
        t.ellisse({50, 112}, 12, 11, {{}, BluScuro, 7});
    t.poligono(QPolygonF{{28, 124}, {72, 124}, {84, 164}, {16, 164}}, {Blu, BluScuro, 6});
    if (t.visibile(10))
        t.poligono(QPolygonF{{34, 132}, {42, 132}, {36, 158}, {28, 158}}, {Ciano, {}, 0});

    // Brass weights: two side by side, a smaller one on them.
    t.rettangolo(QRectF(172, 128, 38, 36), 0, {Giallo, Ottone, 6});
    t.rettangolo(QRectF(210, 128, 38, 36), 0, {Giallo, Ottone, 6});
    t.rettangolo(QRectF(192, 98, 36, 30), 0, {Giallo, Ottone, 6});
    if (t.visibile(12)) {
        for (const QRectF& r : {QRectF(180, 136, 8, 8), QRectF(218, 136, 8, 8), QRectF(200, 106, 8, 8)})
            t.rettangolo(r, 0, {QColor(Qt::white), {}, 0});
    }

    piatto(t, 10);
    piatto(t, 170);
}

// One size as a picture: drawn by hand where a pixel picture of that size exists.
QImage immagine(const QString& assets, int lato)
{
    QImage immagine;
    const QString xpm = lato == 32 ? assets + QStringLiteral("/icona.xpm")
                                   : assets + QStringLiteral("/icona-%1.xpm").arg(lato);
    if (QFile::exists(xpm)) {
        immagine = QImage(xpm);
        if (immagine.size() != QSize(lato, lato)) {
            std::fprintf(stderr, "%s is not %d x %d\n", qPrintable(xpm), lato, lato);
            return {};
        }
    } else {
        TelaPixel pixel(lato);
        disegna(pixel);
        immagine = pixel.fine();
    }
    return immagine.convertToFormat(QImage::Format_ARGB32);
}

QByteArray png(const QImage& immagine)
{
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    return immagine.save(&b, "PNG") ? dati : QByteArray();
}

// An icon file of PNG pictures, as Windows reads them since Vista: a header, one entry per
// size, then the pictures.
QByteArray ico(const QString& assets)
{
    const int lati[] = {16, 24, 32, 48, 256};
    QByteArray testa, corpo;
    QDataStream t(&testa, QIODevice::WriteOnly);
    t.setByteOrder(QDataStream::LittleEndian);
    t << quint16(0) << quint16(1) << quint16(std::size(lati));
    quint32 posizione = 6 + 16 * std::size(lati);
    for (const int lato : lati) {
        const QByteArray p = png(immagine(assets, lato));
        if (p.isEmpty())
            return {};
        // 256 is written as 0.
        t << quint8(lato % 256) << quint8(lato % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
          << quint32(p.size()) << posizione;
        posizione += p.size();
        corpo += p;
    }
    return testa + corpo;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s ASSETS LATO|svg|ico USCITA\n", argv[0]);
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    const QString misura = QString::fromLatin1(argv[2]);
    const QString uscita = QString::fromLocal8Bit(argv[3]);

    if (misura == QLatin1String("svg") || misura == QLatin1String("ico")) {
        QByteArray dati;
        if (misura == QLatin1String("svg")) {
            TelaSvg svg;
            disegna(svg);
            dati = svg.fine().toUtf8();
        } else {
            dati = ico(assets);
        }
        QFile f(uscita);
        return !dati.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size() ? 0 : 1;
    }

    const int lato = misura.toInt();
    if (lato <= 0)
        return 2;
    const QByteArray p = png(immagine(assets, lato));
    QFile f(uscita);
    return !p.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(p) == p.size() ? 0 : 1;
}
