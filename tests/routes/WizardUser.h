#pragma once
#include "core/DeskMouse.h"
#include "routes/RouteTable.h"
#include "routes/RouteStepState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The user's side of the route wizard: actions done one after another while
// the wizard waits. An action returns false while it cannot be done yet (its
// dialog is not shown) and is tried again a moment later.
class WizardUser : public QObject {
public:
    using Aktion = std::function<bool()>;
    QList<Aktion> aktionen;
    QStringList notizen;

    WizardUser()
    {
        takt.setInterval(1);
        connect(&takt, &QTimer::timeout, this, &WizardUser::weiter);
        takt.start();
        // A script that cannot go on gives up, so that the wizard ends.
        wache.setSingleShot(true);
        connect(&wache, &QTimer::timeout, this, [this] {
            haengt = !aktionen.isEmpty();
            aktionen.clear();
            for (QWidget* w : QApplication::topLevelWidgets())
                w->hide();
            FSBestaet = FSAntwort::Abbruch;
            ZT3TMTaste = 3;
            FSKlick = 1;
        });
        wache.start(10000);
    }
    bool haengt = false;

    // Does every action that can be done now.
    void weiter()
    {
        while (!aktionen.isEmpty() && aktionen.first()())
            aktionen.removeFirst();
    }

    static bool bereit(const QWidget* w) { return w && w->isVisible(); }

    // A click on desk field (x, y) of the address grid once `dialog` is shown
    // (at once when it is null); the next action waits until the wizard has
    // taken the click.
    void klick(int x, int y, const QWidget* dialog)
    {
        auto geklickt = std::make_shared<bool>(false);
        aktionen << [=] {
            if (!*geklickt) {
                if (dialog && !bereit(dialog))
                    return false;
                PultAdr_MouseDown(Qt::LeftButton, 3 * y - 2, x);
                *geklickt = true;
            }
            return FSKlick == 0;
        };
    }

    // Presses a button of `dialog` (by object name) once it is shown and
    // enabled; the next action waits until the press has begun.
    void knopf(const QWidget* dialog, const QString& name)
    {
        auto stand = std::make_shared<int>(0);   // 0 not yet, 1 sent, 2 pressed
        aktionen << [=] {
            if (*stand == 0) {
                auto* b = dialog->findChild<QAbstractButton*>(name);
                if (!bereit(dialog) || !b || !b->isEnabled() || !b->isVisibleTo(dialog))
                    return false;
                *stand = 1;
                // From the event loop: the button may start a wait of its own.
                QTimer::singleShot(0, b, [b, stand] {
                    *stand = 2;
                    b->click();
                });
            }
            return *stand == 2;
        };
    }

    // Ticks a check box or selects an option of `dialog`.
    void waehlen(const QWidget* dialog, const QString& name, bool an = true)
    {
        aktionen << [=] {
            auto* b = dialog->findChild<QAbstractButton*>(name);
            if (!bereit(dialog) || !b->isVisibleTo(dialog))
                return false;
            b->setChecked(an);
            return true;
        };
    }

    void tippen(const QWidget* dialog, const QString& box, const QString& text)
    {
        aktionen << [=] {
            if (!bereit(dialog))
                return false;
            dialog->findChild<QLineEdit*>(box)->setText(text);
            return true;
        };
    }

    // Writes down what `was` gives, once `dialog` is shown.
    void notiz(const QWidget* dialog, std::function<QString()> was)
    {
        aktionen << [this, dialog, was] {
            if (!bereit(dialog))
                return false;
            notizen << was();
            return true;
        };
    }

    // Any other action, done when `dialog` is shown.
    void tun(const QWidget* dialog, std::function<void()> was)
    {
        aktionen << [dialog, was] {
            if (!bereit(dialog))
                return false;
            was();
            return true;
        };
    }

    // Closes `dialog` through its frame, or with Escape.
    void schliessen(QWidget* dialog)
    {
        tun(dialog, [dialog] { dialog->close(); });
    }
    void escape(QWidget* dialog)
    {
        tun(dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
    }

    // Lets `ms` milliseconds pass.
    void pause(int ms)
    {
        auto bis = std::make_shared<qint64>(-1);
        aktionen << [=] {
            if (*bis < 0)
                *bis = QDateTime::currentMSecsSinceEpoch() + ms;
            return QDateTime::currentMSecsSinceEpoch() >= *bis;
        };
    }

private:
    QTimer takt, wache;
};
