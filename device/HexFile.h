#ifndef HEXFILE_H
#define HEXFILE_H

#include <QFile>
#include <QScopedArrayPointer>
#include <QString>

class QProgressBar;

// A firmware image read from an Intel HEX file into a buffer standing for the dive computer's
// program memory. Bytes the file does not write keep the fill byte given to allocate.
class HexFile {
public:
    HexFile();
    ~HexFile();

    // A buffer of n bytes, each set to fill. Call once, before load.
    bool allocate(quint64 n, unsigned char fill);

    // Reads the whole file into the buffer and appends a summary line to the device console.
    // Throws a fixed text on the first fault; the records before it stay in the buffer.
    // The progress bar, when given, follows the position in the file. Only a regular file is
    // read: a fifo or a device could block or never end.
    void load(const QString& path, QProgressBar* progressBar);

    // Whether any byte of the buffer holds other than 0xFF, the value of erased program memory.
    // Without, the file held no program (configuration or data EEPROM records only, empty
    // records, nothing but the end), and writing it would leave the computer with none.
    bool hasData() const;

    // Writable: the firmware upgrade patches the reset vector in place.
    unsigned char* data();
    quint64 size() const;

private:
    Q_DISABLE_COPY(HexFile)

    // Reads and applies one record; true when it was the end-of-file record.
    bool readLine();
    void store(int offset, const QByteArray& data);

    QFile _file;
    quint64 _size;
    qint64 _base;
    QScopedArrayPointer<unsigned char> _buffer;
};

#endif
