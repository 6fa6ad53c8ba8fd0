#pragma once

// The pieces of an OFX file the scan reads values from: blanks as OFX
// writes them, and the entities a file declares for its payees' text.
// (The amount and date readers are declared in OfxScan.h, with the scan
// that uses them.)

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QHash>
#include <QString>

bool isOfxSpace(char c);
QByteArrayView ofxTrimmed(QByteArrayView v);

// The entities one file declares, and the payee texts they are put into.
class OfxEntities
{
public:
    // rest begins with "<!ENTITY".
    void declare(QByteArrayView rest);
    QString expanded(QByteArrayView value, QString *problem) const;
    // Whether a value refers to more than the five entities every reader knows.
    static bool hasOtherEntity(QByteArrayView value);

private:
    QHash<QByteArray, QByteArray> own; // the file's own, by name
    QByteArrayList external;
};
