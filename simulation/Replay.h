#ifndef REPLAY_H
#define REPLAY_H

#include <QString>
#include <QStringList>

class VARN_eeprom;

// Told now and then how far the reading of a log file has got.
class ReadProgress {
public:
    virtual ~ReadProgress();
    virtual void advance(qint64 done, qint64 total) = 0;
    // The file has proved broken and is parsed again from its start, up to its first byte that
    // does not decode, to find the line of its first fault; advance() then tells how far that
    // parsing has got, of the bytes it parses.
    virtual void seekingFault() = 0;
};

// A dive logged by a dive computer, which the simulation follows instead of a planned dive.
//
// Opening: replayXML() or replayUDDF() give a source owned by the caller, with the first dive of the
// file current, or null when the file cannot be read, is no regular file, is not a well-formed log
// of that kind or holds no dive; the file is read whole at once, and a progress given hears how
// far that has got; a problem given is told why a file gave no source, in the diver's words.
// diveList() gives one entry per dive; selectDive() with the place of an entry
// in that list makes that dive current; diveConfig() must then run for the current dive: it
// checks the dive, applies its mode and gases to the configuration and starts the replay over at
// the beginning of the dive.
//
// Replaying: t is whole seconds since the start of the logged dive (the simulation asks in 2-second
// steps: depth(0) once, then depth(t), gasChange(t), setpointChange(t) for t = 0, 2, 4 ...).
// - depth(t): metres, interpolated linearly between the two samples around t by their logged
//   times; before the first sample the first sample's depth, after the last the last one's.
// - gasChange(t): the number (from 1) of the gas switched to at the samples that t has reached
//   since the last report, 0 when there is none to report. Numbers above 5 (a dive with more than
//   five mixes) have no gas record in the configuration; the gas of a mix that diveConfig skipped
//   (implausible, or not defined in the file) is left inactive.
// - setpointChange(t): likewise the setpoint recorded there, in bar, 0 when none. It is always a
//   whole number of centibar and never below it, so trunc(s * 100) in float or double arithmetic
//   (or qRound(s * 100)) gives the centibar.
// Each recorded switch or setpoint is reported once, by the first call whose t reaches its sample,
// also when a step jumps over the sample; when several are passed in one step the latest counts.
// Asking for a t earlier than the one asked before starts the dive over, so its switches and
// setpoints are reported again. Any order of calls and any t are safe; growing t is cheapest.
//
// Failures are thrown as texts: a UDDF source throws "Bad UDDF structure" from diveConfig and the
// replay operations when the dive has no sample, and "Bad UDDF sampling" from diveConfig when its
// samples span no time; a DivingLog source throws "No samples in this dive" from diveConfig.
// Other dives of the same file stay usable. Depths and times that a file gives as nonsense (not
// finite, out of any plausible range) count as missing: a missing depth is taken from the samples
// around it, a sample without a time is left out, and diveConfig's report says so.
//
// A source keeps the samples of the file and moves its sample window in const calls: one thread
// only.
class Replay {
public:
    virtual ~Replay();

    // One entry per dive, in file order.
    virtual QStringList diveList() const = 0;
    // The dive of entry index (from 0) of diveList; false, leaving the current dive as it was,
    // when there is no such entry.
    virtual bool selectDive(int index) = 0;
    // Applies the current dive to config when it is not null; returns a console report ending in
    // a newline.
    virtual QString diveConfig(VARN_eeprom* config) = 0;
    // Seconds.
    virtual int diveTime() const = 0;
    // Metres.
    virtual float diveDepth() const = 0;
    virtual float depth(int t) const = 0;
    virtual int gasChange(int t) const = 0;
    virtual float setpointChange(int t) const = 0;

    // What the simulation does with a replayed dive.
    static bool breakOnStop;     // stop when the logged depth is shallower than the first stop
    static bool gasSwitch;       // apply the logged gas switches
    static bool setpoint;        // apply the logged setpoints (closed circuit)
    static bool breakOnSwitch;   // stop when a better gas than the one breathed is available
    static bool breakOnSetpoint; // stop at a logged setpoint (closed circuit)
};

Replay* replayXML(const QString& path, ReadProgress* progress = nullptr, QString* problem = nullptr);
Replay* replayUDDF(const QString& path, ReadProgress* progress = nullptr, QString* problem = nullptr);

#endif
