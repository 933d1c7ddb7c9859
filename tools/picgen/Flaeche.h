#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <memory>

// Colours of the desk pictures: a light front plate, dark track lines, keys
// and signal lamps in their usual colours.
namespace Farbe {
inline const QColor Pult(214, 218, 222);
inline const QColor Markiert(255, 226, 0);
inline const QColor Rahmen(210, 0, 0);
inline const QColor Gleis(35, 35, 40);
inline const QColor Licht(255, 205, 40);
inline const QColor Rot(215, 20, 20);
inline const QColor Gruen(0, 165, 60);
inline const QColor Gelb(255, 185, 0);
inline const QColor Weiss(250, 250, 250);
inline const QColor Blau(40, 90, 190);
inline const QColor Schwarz(20, 20, 20);
inline const QColor Grau(120, 124, 130);
inline const QColor Platine(40, 120, 70);
inline const QColor Kupfer(215, 160, 70);
} // namespace Farbe

// Fixed points of a field: the middles of its edges, its corners and its centre.
enum class Ort { W, O, N, S, NW, NO, SW, SO, M };

// One picture of 84 x 54 pixels being drawn.
class Flaeche {
public:
    static constexpr int Breite = 84;
    static constexpr int Hoehe = 54;

    explicit Flaeche(bool hervorgehoben = false, const QColor& grund = Farbe::Pult);
    QPainter& p() { return *maler_; }
    static QPointF punkt(Ort ort);

    // A track from one fixed point to another: straight when one end is the
    // centre or both lie opposite each other, else bent through the centre.
    QPainterPath gleis(Ort von, Ort bis);
    // The gap of a turnout tongue on a track, at a share 0..1 of its length.
    void zunge(const QPainterPath& pfad, double anteil);
    // An insulating joint across a track that divides its illumination.
    void trennung(const QPainterPath& pfad, double anteil);
    // The lit strip of an illuminated track piece.
    void ausleuchtung(const QPainterPath& pfad);

    void taste(QPointF mitte, const QColor& kappe, const QString& text = {}, bool eckig = false);
    void lampe(QPointF mitte, const QColor& farbe, double radius = 3.2);
    void schrift(const QRectF& rahmen, const QString& text, const QColor& farbe, int pixel);

    QImage fertig(); // ends drawing; a highlighted picture gets its frame

private:
    void quer(const QPainterPath& pfad, double anteil, const QColor& farbe, double breite);

    QImage bild_;
    std::unique_ptr<QPainter> maler_;
    bool hervorgehoben_;
    QColor grund_;
};
