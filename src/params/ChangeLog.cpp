#include "params/ChangeLog.h"

#include "params/UnitBackup.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {
constexpr size_t kNamedValues = 3;  // more than this are counted, not named

bool IsCondition(DeviceByte b) { return b == DeviceByte(Bytes::Condition); }

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool Touches(const ChangeEntry& e, DeviceByte b) {
    return std::any_of(e.values.begin(), e.values.end(), [b](const ValueChange& v) { return v.byte == b; });
}

CoreText MoveText(const ValueChange& v) {
    return CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "%1 %2 → %3"),
                        {CoreLabel(v.byte), CoreText::Number(v.before), CoreText::Number(v.after)});
}

void Erase(std::vector<uint64_t>& stack, uint64_t id) {
    stack.erase(std::remove(stack.begin(), stack.end(), id), stack.end());
}
}  // namespace

// ---- origins ------------------------------------------------------------------------

ChangeLog::Origin::Origin(ChangeLog& log, CoreText name, ChangeKind kind, bool oneEntry)
    : log_(log), token_(log.nextToken_++) {
    log_.scopes_.push_back({token_, std::move(name), kind, oneEntry});
}

ChangeLog::Origin::~Origin() {
    auto& s = log_.scopes_;
    s.erase(std::remove_if(s.begin(), s.end(), [this](const Scope& x) { return x.token == token_; }), s.end());
}

void ChangeLog::Origin::Rename(CoreText name) {
    for (Scope& s : log_.scopes_)
        if (s.token == token_) s.name = std::move(name);
}

// ---- recording ----------------------------------------------------------------------

void ChangeLog::Begin(const ParameterImage& connectImage) {
    entries_.clear();
    undo_.clear();
    redo_.clear();
    connectImage_ = connectImage;
    begun_ = true;
    Changed();
}

ChangeEntry& ChangeLog::NewEntry() {
    const Scope* scope = Current();
    if (scope && scope->oneEntry && !entries_.empty() && entries_.back().token == scope->token) return entries_.back();
    ChangeEntry& e = entries_.emplace_back();
    e.id = nextId_++;
    e.timeMs = NowMs();
    e.origin = scope ? scope->name : CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Main panel"));
    e.kind = scope ? scope->kind : ChangeKind::Change;
    e.token = scope ? scope->token : 0;
    if (e.kind == ChangeKind::Change) redo_.clear();
    return e;
}

uint64_t ChangeLog::Record(const ParameterImage& unit, const ParameterImage& sent, bool conditionOnly) {
    std::vector<ValueChange> changed;
    for (const ByteChange& c : CompareImages(unit, sent))
        if (IsCondition(c.byte) == conditionOnly) changed.push_back({c.byte, c.unit, c.wanted});
    if (changed.empty()) return 0;
    const size_t count = entries_.size();
    ChangeEntry& e = NewEntry();
    for (const ValueChange& v : changed) {
        auto same =
            std::find_if(e.values.begin(), e.values.end(), [&v](const ValueChange& x) { return x.byte == v.byte; });
        if (same == e.values.end())
            e.values.push_back(v);
        else
            same->after = v.after;
    }
    ++e.pending;
    e.confirmation = Confirmation::Waiting;
    if (entries_.size() > count && e.kind == ChangeKind::Change) undo_.push_back(e.id);
    Changed();
    return e.id;
}

uint64_t ChangeLog::RecordAction(std::string action) {
    ChangeEntry& e = NewEntry();
    e.action = std::move(action);
    e.reversible = false;
    ++e.pending;
    Changed();
    return e.id;
}

void ChangeLog::Answer(uint64_t id, bool answered) {
    auto* e = const_cast<ChangeEntry*>(Find(id));
    if (!e) return;
    e->pending = std::max(0, e->pending - 1);
    if (!answered)
        e->confirmation = Confirmation::NotConfirmed;
    else if (e->pending == 0 && e->confirmation == Confirmation::Waiting)
        e->confirmation = Confirmation::Confirmed;
    Changed();
}

const ChangeEntry* ChangeLog::Find(uint64_t id) const {
    auto e = std::find_if(entries_.begin(), entries_.end(), [id](const ChangeEntry& x) { return x.id == id; });
    return e == entries_.end() ? nullptr : &*e;
}

// ---- undo and redo ------------------------------------------------------------------

const ChangeEntry* ChangeLog::NextUndo() const { return begun_ && !undo_.empty() ? Find(undo_.back()) : nullptr; }
const ChangeEntry* ChangeLog::NextRedo() const { return begun_ && !redo_.empty() ? Find(redo_.back()) : nullptr; }

std::optional<ChangeLog::Step> ChangeLog::PlanUndo(uint64_t id, const ParameterImage& unit, CoreText* why) const {
    const ChangeEntry* e = Find(id);
    const auto refuse = [why](const char* text, std::vector<CoreText> args = {}) {
        if (why) *why = CoreText::Of("ChangeLog", text, std::move(args));
        return std::nullopt;
    };
    if (!e) return refuse(QT_TRANSLATE_NOOP("ChangeLog", "That change is not in this connect's log."));
    if (!e->reversible) return refuse(QT_TRANSLATE_NOOP("ChangeLog", "%1 cannot be taken back."), {EntryText(*e)});
    if (std::find(undo_.begin(), undo_.end(), id) == undo_.end())
        return e->kind == ChangeKind::Change
                   ? refuse(QT_TRANSLATE_NOOP("ChangeLog", "%1 is already undone."), {EntryText(*e)})
                   : refuse(QT_TRANSLATE_NOOP("ChangeLog", "An undo or redo is taken back with Redo or Undo."));
    // Only changes still in force can stand in the way; undone ones are gone.
    for (uint64_t later : undo_) {
        const ChangeEntry* l = Find(later);
        if (later <= id || !l) continue;
        for (const ValueChange& v : e->values)
            if (Touches(*l, v.byte))
                return refuse(QT_TRANSLATE_NOOP("ChangeLog",
                                                "%1 was changed again later (%2 at %3: %4): undo that change first."),
                              {CoreLabel(v.byte), l->origin, ClockText(l->timeMs), EntryText(*l)});
    }
    Step step{id, ChangeKind::Undo, {}};
    for (const ValueChange& v : e->values) step.values.push_back({v.byte, *BytePtr(unit, v.byte), v.before});
    return step;
}

std::optional<ChangeLog::Step> ChangeLog::PlanRedo(const ParameterImage& unit, CoreText* why) const {
    const ChangeEntry* e = NextRedo();
    if (!e) {
        if (why) *why = CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "There is nothing to redo."));
        return std::nullopt;
    }
    Step step{e->id, ChangeKind::Redo, {}};
    for (const ValueChange& v : e->values) step.values.push_back({v.byte, *BytePtr(unit, v.byte), v.after});
    return step;
}

void ChangeLog::Taken(const Step& step) {
    Erase(undo_, step.entry);
    Erase(redo_, step.entry);
    (step.kind == ChangeKind::Undo ? redo_ : undo_).push_back(step.entry);
    Changed();
}

// ---- text ---------------------------------------------------------------------------

void ChangeLog::Changed() const {
    if (changed_) changed_();
}

std::string ChangeLog::Text() const {
    std::string out = "Changes sent to the Orvex since it connected\n";
    for (const ChangeEntry& e : entries_) {
        out += ClockText(e.timeMs) + "  " + e.origin.English() + "  " + DescribeEntry(e) + "  [" +
               ConfirmationText(e.confirmation) + (e.reversible ? "" : ", cannot be taken back") + "]\n";
        if (e.values.size() > kNamedValues)
            for (const ValueChange& v : e.values) out += "    " + MoveText(v).English() + "\n";
    }
    return out;
}

void ChangeLog::Reset() {
    entries_.clear();
    undo_.clear();
    redo_.clear();
    scopes_.clear();
    begun_ = false;
}

CoreText EntryText(const ChangeEntry& entry) {
    if (!entry.action.empty()) return CoreText::Of("ChangeLog", entry.action.c_str());
    if (entry.values.size() > kNamedValues)
        return CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "%1: %2"),
                            {entry.origin, ValuesText(entry.values)});
    return ValuesText(entry.values);
}

std::string DescribeEntry(const ChangeEntry& entry) { return EntryText(entry).English(); }

CoreText ValuesText(const std::vector<ValueChange>& values) {
    if (values.size() > kNamedValues)
        return CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "%1 values"),
                            {CoreText::Number(static_cast<long long>(values.size()))});
    std::vector<CoreText> moves;
    for (const ValueChange& v : values) moves.push_back(MoveText(v));
    return CoreText::Joined(moves, ", ");
}

std::string DescribeValues(const std::vector<ValueChange>& values) { return ValuesText(values).English(); }

std::string ClockText(int64_t timeMs) {
    const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

const char* ConfirmationText(Confirmation c) {
    switch (c) {
        case Confirmation::Confirmed:
            return QT_TRANSLATE_NOOP("ChangeLog", "confirmed");
        case Confirmation::NotConfirmed:
            return QT_TRANSLATE_NOOP("ChangeLog", "not confirmed");
        default:
            return QT_TRANSLATE_NOOP("ChangeLog", "waiting");
    }
}

bool InRange(DeviceByte byte, int value) {
    const ByteDef& d = ByteOf(byte);
    return (d.low == 0 && d.high == 0) || (value >= d.low && value <= d.high);
}
