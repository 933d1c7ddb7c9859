#include "core/DialogFields.h"

#include "core/BasicText.h"
#include "core/Desk.h"
#include "core/Words.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {
const char* const zuGrossEigenschaft = "wertZuGross";
const QString zuGrossTitel = QStringLiteral(" --- Wert zu groß !! ---");

class ZiffernFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(e)->text();
            if (!text.isEmpty() && text[0].isPrint() && Nur_Ziffern(text[0].unicode()) == 0)
                return true;
        }
        return QObject::eventFilter(ziel, e);
    }
};

PultFeld& aktFeld()
{
    return PultFelder[size_t(AktFeldX)][size_t(AktFeldY)];
}

// A box value as a 16-bit word: rounded and kept within 0..65535.
int16_t wortAusBox(const QLineEdit* box, int faktor = 1)
{
    const double wert = std::round(boxWert(box)) * faktor;
    return alsWort(int32_t(std::clamp(wert, 0.0, 65535.0)));
}

bool pruefen(const QCheckBox* c)
{
    return c && c->isChecked();
}
} // namespace

int Nur_Ziffern(int tastenCode)
{
    return (tastenCode >= '0' && tastenCode <= '9') || tastenCode == 8 ? tastenCode : 0;
}

void nurZiffernEingabe(QLineEdit* box)
{
    box->installEventFilter(new ZiffernFilter(box));
}

double boxWert(const QLineEdit* box)
{
    return box ? Zahl::lies(box->text()) : 0.0;
}

void Check_Wert(QWidget* dialog, QLineEdit* box, double maximum)
{
    const bool zuGross = boxWert(box) > maximum;
    box->setProperty(zuGrossEigenschaft, zuGross);
    box->setStyleSheet(zuGross ? QStringLiteral("color: red;") : QStringLiteral("color: black;"));

    const QList<QLineEdit*> boxen = dialog->findChildren<QLineEdit*>();
    const bool einerZuGross = std::any_of(boxen.begin(), boxen.end(),
                                          [](QLineEdit* b) { return b->property(zuGrossEigenschaft).toBool(); });
    dialog->setWindowTitle(einerZuGross ? zuGrossTitel : dialog->property("Tag").toString());
    if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OK_But")))
        ok->setEnabled(!einerZuGross);
}

void Set_Txt_Feld(QLineEdit* box, QCheckBox* auto_, int n)
{
    if (box)
        box->setText(QString::number(aktFeld().LNCV[size_t(n)]));
    if (auto_)
        auto_->setChecked(aktFeld().AutoFlag[size_t(n)] != 0);
}

void Get_Txt_Feld(const QLineEdit* box, const QCheckBox* auto_, int n)
{
    aktFeld().LNCV[size_t(n)] = wortAusBox(box);
    aktFeld().AutoFlag[size_t(n)] = pruefen(auto_) ? 1 : 0;
}

void Set_AAAAC_Feld(QLineEdit* box, QCheckBox* auto_, QRadioButton* rot, QRadioButton* gruen, QRadioButton* frei,
                    QRadioButton* belegt, int n)
{
    const int32_t w = Int_to_UWord(aktFeld().LNCV[size_t(n)]);
    box->setText(QString::number(w / 10));
    QRadioButton* optionen[4] = {rot, gruen, frei, belegt};
    for (QRadioButton* o : optionen) {
        if (!o)
            continue;
        // Exclusive groups cannot be emptied one button at a time.
        const bool exklusiv = o->autoExclusive();
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(exklusiv);
    }
    if (w > 0 && w % 10 < 4 && optionen[w % 10])
        optionen[w % 10]->setChecked(true);
    if (auto_)
        auto_->setChecked(aktFeld().AutoFlag[size_t(n)] != 0);
}

void Get_AAAAC_Feld(const QLineEdit* box, const QCheckBox* auto_, const QRadioButton* /*rot*/,
                    const QRadioButton* gruen, const QRadioButton* frei, const QRadioButton* belegt, int n)
{
    int32_t code = 0;
    if (gruen && gruen->isChecked())
        code = 1;
    if (frei && frei->isChecked())
        code = 2;
    if (belegt && belegt->isChecked())
        code = 3;
    const double adresse = std::clamp(std::round(boxWert(box)), 0.0, 6553.0);
    aktFeld().LNCV[size_t(n)] = alsWort(int32_t(adresse) * 10 + code);
    aktFeld().AutoFlag[size_t(n)] = pruefen(auto_) ? 1 : 0;
}

QString make_adr_rgfb_str(int32_t wert)
{
    static const char buchstaben[4] = {'r', 'g', 'f', 'b'};
    const int32_t code = wert % 10;
    if (code < 0 || code > 3)
        return {};
    return QString::number(wert / 10) + QLatin1Char(buchstaben[code]);
}
