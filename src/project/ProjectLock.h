#pragma once
#include <QLockFile>
#include <QString>

// One save of a project at a time, also between instances of the program
// (two windows on one project, or a colleague on a shared folder): a save,
// and a load that may complete an interrupted save, hold the lock file
// ".NAME.plt.Sperre" beside the project file. The lock of an instance that
// died is taken over at once; a lock held however long by a running save
// is never taken away from it.
class ProjektSperre {
public:
    explicit ProjektSperre(const QString& projektPfad);

    // Waits briefly for a save of another instance to end.
    enum class Stand { Gehalten, Belegt, NichtAnlegbar };
    Stand holen();

    // Why the lock was not taken, in German, with what to do.
    QString belegtText() const;
    QString nichtAnlegbarText() const;

private:
    QString projekt;
    QLockFile datei;
};
