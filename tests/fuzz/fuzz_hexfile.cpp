// Feeds arbitrary files to HexFile::load. Beside crashes and sanitizer reports it aborts on
// a text that is not one of the reader's own, and on a successful load of a file whose lines
// up to the first end-of-file record are not all well-formed records ending in that record:
// a damaged file must never pass for a firmware.
// Build in Debug so that Qt's own bounds checks of QByteArray run inside the reader.
#include "HexFile.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {

const char* const readerTexts[] = {
    "Can't open HEX file", "Bad HEX format", "Bad HEX checksum", "BAD HEX address", "Double write",
    "Bad HEX Segment Address record", "Bad HEX Extended Linear Address Record", "Bad HEX subtype",
};

bool isReaderText(const char* text)
{
    for (const char* known : readerTexts)
        if (std::strcmp(text, known) == 0)
            return true;
    return false;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The record type of a well-formed line (colon, hex pairs, count matching the length, byte sum
// 0), or -1.
int recordType(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() < 11 || line.size() % 2 == 0 || line.at(0) != ':')
        return -1;
    QList<int> values;
    for (int i = 1; i < line.size(); i += 2) {
        const int high = digitValue(line.at(i));
        const int low = digitValue(line.at(i + 1));
        if (high < 0 || low < 0)
            return -1;
        values.append(high * 16 + low);
    }
    int sum = 0;
    for (int value : values)
        sum += value;
    if (values.size() != values.first() + 5 || sum % 256 != 0)
        return -1;
    return values.at(3);
}

bool passesForFirmware(const QByteArray& input)
{
    for (const QByteArray& line : input.split('\n')) {
        const int type = recordType(line);
        if (type == 1)
            return true;
        if (type != 0 && type != 2 && type != 4)
            return false;
    }
    return false;
}

// load reads named files only. An in-memory file reached through /proc keeps the disk out of
// every run.
QString writeInput(const uint8_t* data, size_t size)
{
    static const int fd = memfd_create("fuzz_hexfile", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        abort();
    return QString("/proc/self/fd/%1").arg(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const QString path = writeInput(data, size);

    HexFile hex;
    hex.allocate(0x17F40, 0xFF);
    try {
        hex.load(path, nullptr);
    } catch (const char* text) {
        if (!isReaderText(text)) {
            std::fprintf(stderr, "unknown failure text: %s\n", text);
            abort();
        }
        return 0;
    }
    if (!passesForFirmware(input)) {
        std::fprintf(stderr, "loaded a file that is not a complete HEX file\n");
        abort();
    }
    return 0;
}
