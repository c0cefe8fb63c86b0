#pragma once
// What the program changed on the unit since it connected: one entry for
// every frame that changes the unit's values (a change made of many bytes,
// such as a preset or a file, is one entry), where it came from, each value's
// old and new byte, and whether the unit confirmed it. Undo and redo work on
// these entries: undoing sends the old bytes back with the program's own
// frames and is itself an entry.
//
// Where a change comes from is the innermost Origin alive when its frame is
// written: a window holds one while it is open ("Advance Menu", the wizard's
// page title), a command for its own span ("Preset F-3C", "Undo"). The main
// panel is the origin when no other is.
//
// Thread-safety: owner thread only, as the rest of Orvex.

#include "params/ParameterTable.h"
#include "params/TextFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class Confirmation : uint8_t { Waiting, Confirmed, NotConfirmed };
enum class ChangeKind : uint8_t { Change, Undo, Redo };

struct ValueChange {
    DeviceByte byte;
    int8_t before;  // what the unit held
    int8_t after;   // what was sent
};

struct ChangeEntry {
    uint64_t id = 0;
    int64_t timeMs = 0;  // wall clock, ms since the epoch
    CoreText origin;     // shown translated, written to the log file in English
    ChangeKind kind = ChangeKind::Change;
    std::vector<ValueChange> values;
    std::string action;  // an action with no byte of its own ("Reset zero")
    bool reversible = true;
    Confirmation confirmation = Confirmation::Waiting;
    int pending = 0;     // frames of the entry not answered yet
    uint64_t token = 0;  // the Origin it was made under
};

class ChangeLog {
public:
    // Names where the changes written while it lives come from. With oneEntry,
    // every frame written under it adds to one entry (a restore sends two).
    class Origin {
    public:
        Origin(ChangeLog& log, CoreText name, ChangeKind kind = ChangeKind::Change, bool oneEntry = false);
        ~Origin();
        Origin(const Origin&) = delete;
        Origin& operator=(const Origin&) = delete;
        void Rename(CoreText name);

    private:
        ChangeLog& log_;
        uint64_t token_;
    };

    // A completed connect: the log starts over and this image is the point a
    // revert returns to.
    void Begin(const ParameterImage& connectImage);
    bool begun() const { return begun_; }
    const ParameterImage& connectImage() const { return connectImage_; }
    // The link ended: nothing more can be undone until the next connect.
    void End() {
        begun_ = false;
        Changed();
    }

    // A frame was written that may change these bytes (the condition byte
    // alone for an action frame, every other byte for a parameter frame).
    // Returns the entry's id, 0 when nothing changed.
    uint64_t Record(const ParameterImage& unit, const ParameterImage& sent, bool conditionOnly);
    // A change the program cannot take back (the unit measures or keeps it).
    uint64_t RecordAction(std::string action);
    // The unit answered the entry's frame, or did not.
    void Answer(uint64_t id, bool answered);

    const std::vector<ChangeEntry>& entries() const { return entries_; }
    const ChangeEntry* Find(uint64_t id) const;

    // ---- undo and redo -----------------------------------------------------------
    struct Step {
        uint64_t entry = 0;
        ChangeKind kind = ChangeKind::Undo;
        std::vector<ValueChange> values;  // before: the unit's byte now, after: what to send
    };
    const ChangeEntry* NextUndo() const;
    const ChangeEntry* NextRedo() const;
    // What undoing entry `id` sends, judged against the unit's image; nullopt
    // with the reason when it cannot be undone (a later change of the same
    // values, an action, already undone).
    std::optional<Step> PlanUndo(uint64_t id, const ParameterImage& unit, CoreText* why) const;
    std::optional<Step> PlanRedo(const ParameterImage& unit, CoreText* why) const;
    // The step was sent: the entry moves to the other stack.
    void Taken(const Step& step);

    // Called after every change of the log (a new entry, an answer, a step).
    void OnChanged(std::function<void()> handler) { changed_ = std::move(handler); }

    // The whole log as text, one line per entry.
    std::string Text() const;
    // Drops everything (tests, between runs).
    void Reset();

private:
    struct Scope {
        uint64_t token;
        CoreText name;
        ChangeKind kind;
        bool oneEntry;
    };
    ChangeEntry& NewEntry();
    const Scope* Current() const { return scopes_.empty() ? nullptr : &scopes_.back(); }
    void Changed() const;

    std::vector<ChangeEntry> entries_;
    std::vector<Scope> scopes_;
    std::vector<uint64_t> undo_, redo_;
    std::function<void()> changed_;
    ParameterImage connectImage_{};
    uint64_t nextId_ = 1;
    uint64_t nextToken_ = 1;
    bool begun_ = false;
};

// "Roll gain 40 → 63", "Preset F-3C: 12 values", "Reset zero". An action and
// an origin are translated where their texts are marked in context "ChangeLog".
std::string DescribeEntry(const ChangeEntry& entry);
CoreText EntryText(const ChangeEntry& entry);
// "Roll gain 40 → 63, Pitch gain 30 → 31", or "11 values" for more than three.
std::string DescribeValues(const std::vector<ValueChange>& values);
CoreText ValuesText(const std::vector<ValueChange>& values);
// "HH:MM:SS" in local time.
std::string ClockText(int64_t timeMs);
const char* ConfirmationText(Confirmation c);  // marked in context "ChangeLog"
// Whether a value lies in its table range (a byte with no range always does).
bool InRange(DeviceByte byte, int value);
