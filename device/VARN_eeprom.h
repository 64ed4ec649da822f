#ifndef VARN_EEPROM_H
#define VARN_EEPROM_H

#include <QString>
#include <cstddef>

class QDateTime;
class QImage;
class QSettings;

typedef unsigned char ubyte;

// An unsigned 16-bit number stored low byte first at any offset of the image.
struct word {
    ubyte lo;
    ubyte hi;

    // Leaves both bytes alone, so declaring image members never changes the image.
    word() = default;
    constexpr word(unsigned short v) : lo(ubyte(v & 0xFF)), hi(ubyte(v >> 8)) {}
    constexpr operator unsigned short() const { return (unsigned short)(hi * 256 + lo); }
};

// One custom-function record: the carried default, then the value every reader uses.
struct CF {
    word defaultValue;
    word value;
};

struct GasRecord {
    ubyte defaultO2;
    ubyte defaultHe;
    ubyte currentO2;
    ubyte currentHe;
};

struct ManualGas {
    ubyte currentO2;
    ubyte currentHe;
};

struct StampedWord {
    word value;
    ubyte stamp[3];
};

// Bytes 40..63 of bank 0: carried with their bank, not interpreted here.
struct RecordBlock {
    StampedWord first;
    StampedWord second;
    word third;
    word fourth;
    StampedWord fifth;
    StampedWord sixth;
};

enum CF_Type {
    CF_INT15 = 1,
    CF_INT8 = 2,
    CF_DECI = 3,
    CF_CENTI = 4,
    CF_PERCENT = 5,
    CF_TIME = 6,
    CF_COLOR = 7,
    CF_BOOL = 8,
    CF_SIGNED = 0x80
};

struct CF_Default {
    int type;
    word defaultValue;
    word min;
    word max;
    char label[18];

    constexpr CF_Default() : type(0), defaultValue(0), min(0), max(0), label{} {}
    constexpr CF_Default(int t, unsigned short d, unsigned short lo, unsigned short hi, const char* text)
        : type(t), defaultValue(d), min(lo), max(hi), label{}
    {
        for (int i = 0; i < 17 && text[i]; ++i)
            label[i] = text[i];
    }
};

enum { CF_COUNT = 96 };

struct CF_DefaultTable {
    CF_Default rows[CF_COUNT];
    constexpr const CF_Default& operator[](int n) const { return rows[n]; }
};

// Constant-initialised, so it is complete before any image (the global one included) is built.
extern const CF_DefaultTable custom_functions_defaults;

// The dive computer's configuration EEPROM, byte for byte: three banks of 256 bytes,
// each 128 bytes of settings followed by 32 custom-function records.
class VARN_eeprom {
public:
    // Bank 0
    word serial;                 // 0xFFFF = not read from a device
    word reservedWord;
    GasRecord gases[5];
    ManualGas gas6;
    ubyte salinity;
    ubyte activeGases;           // bit i = gas i+1 active
    ubyte changeDepth[5];        // metres, 0 = none
    ubyte firstGas;              // 1..5
    ubyte decoType;              // 0..6
    ubyte reserved35;
    ubyte setpoints[3];          // centibar
    ubyte reserved39;
    RecordBlock recordBlock;
    ubyte customTextOn;
    ubyte customText[25];        // Latin-1, padded with '}', no terminating zero
    ubyte reserved90[2];
    ubyte presetByte;
    ubyte reserved93[35];
    CF cfBank0[32];
    // Bank 1
    ubyte logbookVersion;
    ubyte firmwareMajor;
    ubyte firmwareMinor;
    ubyte reserved259[125];
    CF cfBank1[32];
    // Bank 2
    ubyte reserved512[128];
    CF cfBank2[32];

    VARN_eeprom();

    // Custom function n (0..95); the three blocks of 32 are not contiguous.
    CF& cf(int n);
    const CF& cf(int n) const;

    ubyte* bytes() { return reinterpret_cast<ubyte*>(this); }
    const ubyte* bytes() const { return reinterpret_cast<const ubyte*>(this); }

    void check() const;
    void copy(const VARN_eeprom& other);
    QString toHtml() const;

    bool isCCR() const;
    bool isGF() const;
    void setCCR(bool ccr);

    bool load(const QSettings* settings);
    void save(QSettings* settings) const;

    // The dive computer over the serial port named `port` ("/dev/" is put in front of a bare
    // name). Each throws a fixed text on failure, leaves this image as it was then, and
    // refuses with "The dive computer is busy" while another of them runs.
    //
    // Reads the dive computer's image into this one and checks it.
    void download(const QString& port);
    // Writes this image's user settings into the dive computer and reads them back; on
    // success this image holds what was written, with the computer's serial and firmware.
    // settingsSent, when given, tells after a failure whether bytes of a bank went out: from
    // then on the computer may hold part of them.
    void upload(const QString& port, bool* settingsSent = nullptr);
    static void setDateTime(const QString& port, const QDateTime& when);
    // The computer's 320 x 240 display; this image is not read.
    QImage dumpScreen(const QString& port) const;
    // Sends a firmware image of FIRMWARE_SIZE bytes through the boot loader. The image is
    // patched in place: its first 8 bytes become the jump to the boot loader and move to its
    // last 8 bytes. Progress goes to DeviceConsole::console(). blocksSent, when given, tells
    // after a failure whether blocks went out: from then on the computer waits in its boot
    // loader until a whole image has arrived; before, this try left the computer as it was.
    static void upgrade(const QString& port, unsigned char* image, int size, bool* blocksSent = nullptr);
    enum { FIRMWARE_SIZE = 0x17F40 };
};

static_assert(sizeof(word) == 2 && alignof(word) == 1, "word must be two unaligned bytes");
static_assert(sizeof(CF) == 4, "CF record is 4 bytes");
static_assert(sizeof(RecordBlock) == 24, "record block is 24 bytes");
static_assert(sizeof(VARN_eeprom) == 768, "the configuration image is 768 bytes");
static_assert(offsetof(VARN_eeprom, serial) == 0, "the image begins with the serial number");
static_assert(offsetof(VARN_eeprom, gases) == 4, "gas records");
static_assert(offsetof(VARN_eeprom, gas6) == 24, "manual gas");
static_assert(offsetof(VARN_eeprom, salinity) == 26, "salinity");
static_assert(offsetof(VARN_eeprom, activeGases) == 27, "active gases");
static_assert(offsetof(VARN_eeprom, changeDepth) == 28, "change depths");
static_assert(offsetof(VARN_eeprom, firstGas) == 33, "first gas");
static_assert(offsetof(VARN_eeprom, decoType) == 34, "deco type");
static_assert(offsetof(VARN_eeprom, setpoints) == 36, "setpoints");
static_assert(offsetof(VARN_eeprom, recordBlock) == 40, "record block");
static_assert(offsetof(VARN_eeprom, customTextOn) == 64, "custom text flag");
static_assert(offsetof(VARN_eeprom, customText) == 65, "custom text");
static_assert(offsetof(VARN_eeprom, presetByte) == 92, "preset byte");
static_assert(offsetof(VARN_eeprom, cfBank0) == 128, "CF0..CF31");
static_assert(offsetof(VARN_eeprom, logbookVersion) == 256, "bank 1 begins with the logbook version");
static_assert(offsetof(VARN_eeprom, firmwareMajor) == 257, "firmware major");
static_assert(offsetof(VARN_eeprom, firmwareMinor) == 258, "firmware minor");
static_assert(offsetof(VARN_eeprom, cfBank1) == 384, "CF32..CF63");
static_assert(offsetof(VARN_eeprom, cfBank2) == 640, "CF64..CF95");

extern VARN_eeprom eeprom;

// Thrown by VARN_eeprom::save when the file did not take the write.
extern const char* const settingsWriteFailure;

#endif
