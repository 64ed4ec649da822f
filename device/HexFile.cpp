#include "HexFile.h"

#include "DeviceConsole.h"

#include <QFileInfo>
#include <QProgressBar>

#include <algorithm>
#include <cstring>

namespace {

// Data bytes stored by the current load.
quint64 bytes = 0;

// Bases of the processor's configuration words and data EEPROM: not part of the program memory.
const qint64 configurationBase = 0x300000;
const qint64 eepromBase = 0xF00000;

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The bytes of one record (count, offset, type, data, checksum) from its line. A line that is
// not a colon followed by exactly the hex digits its count announces is refused: a short line
// would leave fields unread and a long one would carry bytes nobody checks.
QByteArray recordBytes(QByteArray line)
{
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!line.startsWith(':'))
        throw "Bad HEX format";
    const QByteArray digits = line.mid(1);
    for (char c : digits)
        if (!isHexDigit(c))
            throw "Bad HEX format";
    // Count, offset, type and checksum take 2 + 4 + 2 + 2 digits around the data.
    const int count = digits.left(2).toInt(nullptr, 16);
    if (digits.size() != 10 + 2 * count)
        throw "Bad HEX format";
    return QByteArray::fromHex(digits);
}

int word16(const QByteArray& record, int at)
{
    return uchar(record.at(at)) * 256 + uchar(record.at(at + 1));
}

} // namespace

HexFile::HexFile()
    : _size(0), _base(0)
{
}

HexFile::~HexFile() = default;

bool HexFile::allocate(quint64 n, unsigned char fill)
{
    _buffer.reset(new unsigned char[n]);
    std::memset(_buffer.data(), fill, n);
    _size = n;
    return true;
}

void HexFile::load(const QString& path, QProgressBar* progressBar)
{
    Q_ASSERT(_buffer);
    // Opening a fifo waits for a writer, and a device may never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw "HEX file is not a regular file";
    _file.setFileName(path);
    if (!_file.open(QIODevice::ReadOnly))
        throw "Can't open HEX file";
    if (progressBar)
        progressBar->setRange(0, int(_file.size()));
    bytes = 0;

    bool ended = false;
    while (!ended && !_file.atEnd()) {
        if (progressBar)
            progressBar->setValue(int(_file.pos()));
        ended = readLine();
    }
    // A file cut short must never pass for a firmware whose missing part is blank.
    if (!ended)
        throw "Bad HEX format";

    if (progressBar)
        progressBar->reset();
    _file.close();

    const float kilobytes = bytes / 1024.0f;
    const float percent = bytes * 100.0f / _size;
    DeviceConsole::appendLine(
        QString("%1KB loaded (%2% of firmware area)").arg(kilobytes, 0, 'f', 1).arg(percent, 0, 'f', 1));
}

bool HexFile::readLine()
{
    const QByteArray record = recordBytes(_file.readLine());
    uchar sum = 0;
    for (char b : record)
        sum += uchar(b);
    if (sum != 0)
        throw "Bad HEX checksum";

    const int count = uchar(record.at(0));
    const int offset = word16(record, 1);
    switch (uchar(record.at(3))) {
    case 0:
        store(offset, record.mid(4, count));
        return false;
    case 1:
        return true;
    case 2:
        if (count != 2 || offset != 0)
            throw "Bad HEX Segment Address record";
        _base = qint64(word16(record, 4)) * 16;
        return false;
    case 4:
        if (count != 2 || offset != 0)
            throw "Bad HEX Extended Linear Address Record";
        _base = qint64(word16(record, 4)) * 65536;
        return false;
    default:
        throw "Bad HEX subtype";
    }
}

// The offset is added to the base without wrapping at 64 KiB: a record may run on past it.
void HexFile::store(int offset, const QByteArray& data)
{
    if (_base == configurationBase || _base == eepromBase)
        return;
    for (int j = 0; j < data.size(); ++j) {
        const quint64 position = quint64(_base + offset + j);
        if (position >= _size)
            throw "BAD HEX address";
        // Bytes written as 0xFF may be written again: they read like unwritten ones.
        if (_buffer[position] != 0xFF)
            throw "Double write";
        _buffer[position] = uchar(data.at(j));
        ++bytes;
    }
}

bool HexFile::hasData() const
{
    const unsigned char* begin = _buffer.data();
    return std::any_of(begin, begin + _size, [](unsigned char byte) { return byte != 0xFF; });
}

unsigned char* HexFile::data()
{
    Q_ASSERT(_buffer);
    return _buffer.data();
}

quint64 HexFile::size() const
{
    return _size;
}
