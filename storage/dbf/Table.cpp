#include "storage/dbf/Table.h"

#include "storage/dbf/ByteOrder.h"
#include "storage/dbf/CompoundIndex.h"
#include "storage/dbf/TableImpl.h"
#include "storage/dbf/TableLayout.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace dbf {

using namespace dbf::layout;

namespace {

using namespace dbf::bytes;

// The companion file of `path` with extension `ext` (".fpt", ".cdx"), in the case of the
// table's own extension; an existing file in the other case is taken when it is the only one.
std::string companion(const std::string& path, const std::string& ext) {
    auto slash = path.find_last_of('/');
    auto dot = path.find_last_of('.');
    std::string base = (dot == std::string::npos || (slash != std::string::npos && dot < slash))
                           ? path
                           : path.substr(0, dot);
    std::string tableExt = path.substr(base.size());
    bool upper = !tableExt.empty() && tableExt == upperAscii(tableExt) &&
                 tableExt != std::string(tableExt.size(), '.');
    std::string preferred = base + (upper ? upperAscii(ext) : ext);
    std::string other = base + (upper ? ext : upperAscii(ext));
    if (!File::exists(preferred) && File::exists(other))
        return other;
    return preferred;
}

void stampDate(char* header) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    header[kDateOffset] = static_cast<char>(tm.tm_year % 100);
    header[kDateOffset + 1] = static_cast<char>(tm.tm_mon + 1);
    header[kDateOffset + 2] = static_cast<char>(tm.tm_mday);
}

void validate(const std::vector<FieldDef>& fields) {
    if (fields.empty() || fields.size() > 255)
        throw Error(ErrorKind::FieldCount, {});
    std::size_t length = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& f = fields[i];
        if (!isName(f.name))
            throw Error(ErrorKind::InvalidFieldName, {.name = f.name});
        for (std::size_t j = 0; j < i; ++j)
            if (upperAscii(fields[j].name) == upperAscii(f.name))
                throw Error(ErrorKind::DuplicateFieldName, {.name = f.name});
        bool ok = false;
        switch (f.type) {
        case 'C':
            ok = f.length >= 1 && f.length <= 254 && f.decimals == 0;
            break;
        case 'N':
            ok = f.length >= 1 && f.length <= 20 && f.decimals >= 0 &&
                 (f.decimals == 0 || f.decimals <= f.length - 2);
            break;
        case 'L':
            ok = f.length == 1 && f.decimals == 0;
            break;
        case 'M':
            ok = f.length == 10 && f.decimals == 0;
            break;
        default:
            break;
        }
        if (!ok)
            throw Error(ErrorKind::InvalidField, {.name = f.name});
        length += static_cast<std::size_t>(f.length);
    }
    if (length > 65535)
        throw Error(ErrorKind::RecordTooLong, {});
}

// A file reached through a symbolic link is replaced where the link points: renaming a
// packed copy over the link itself would leave the link's target without the saves.
std::string followLinks(const std::string& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error))
        return file;
    const std::filesystem::path target = std::filesystem::weakly_canonical(file, error);
    return error ? file : target.string();
}

} // namespace

// ============================================================ create

void Table::create(const std::string& path, const std::vector<FieldDef>& fields) {
    validate(fields);
    if (File::exists(path))
        throw Error(ErrorKind::Exists, {.path = path});
    bool hasMemo = std::any_of(fields.begin(), fields.end(), [](auto& f) { return f.type == 'M'; });
    std::uint32_t headerLength =
        static_cast<std::uint32_t>(kHeaderBlock + kDescriptorSize * fields.size() + 1);
    std::string bytes(headerLength + 1, '\0');
    bytes[kVersionOffset] = static_cast<char>(hasMemo ? kVersionMemo : kVersionPlain);
    stampDate(bytes.data());
    put16(bytes.data() + kHeaderLengthOffset, headerLength);
    std::uint32_t offset = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        char* d = bytes.data() + kHeaderBlock + kDescriptorSize * i;
        std::string name = upperAscii(fields[i].name);
        std::memcpy(d, name.data(), name.size());
        d[kFieldTypeOffset] = fields[i].type;
        put32(d + kFieldDataOffset, offset);
        d[kFieldLengthOffset] = static_cast<char>(fields[i].length);
        d[kFieldDecimalsOffset] = static_cast<char>(fields[i].decimals);
        offset += static_cast<std::uint32_t>(fields[i].length);
    }
    put16(bytes.data() + kRecordLengthOffset, offset);
    bytes[headerLength - 1] = kHeaderTerminator;
    bytes[headerLength] = kEndMark;

    if (hasMemo) {
        MemoFile memo = MemoFile::create(companion(path, ".fpt"), true);
        memo.sync();
    }
    std::string cdxPath = companion(path, ".cdx");
    // Leftovers of an earlier table of this name must not be taken for ours.
    File::remove(cdxPath);
    File::remove(path + kCommitSuffix);
    for (const auto& f : {companion(path, ".fpt"), cdxPath, path})
        File::remove(tempOf(f));
    std::string temp = tempOf(path);
    {
        File file = File::create(temp, true);
        file.writeAt(0, bytes);
        file.sync();
    }
    File::rename(temp, path);
    File::syncDirectoryOf(path);
}

// ============================================================ open and close

Table::Table() : d(std::make_unique<TableImpl>(*this)) {}

Table::~Table() {
    onChange = nullptr; // the listener may already be gone
    try {
        close();
    } catch (...) {
    }
}

std::unique_ptr<Table> Table::open(const std::string& path, Mode mode) {
    // A reader may meet a writer swapping in packed files; a second look sees them in place.
    for (int attempt = 1;; ++attempt) {
        std::unique_ptr<Table> table(new Table());
        try {
            table->d->openFiles(path, mode);
        } catch (const Error&) {
            if (mode == Mode::Exclusive || attempt == 3)
                throw;
            continue;
        }
        table->first();
        return table;
    }
}

void Table::close() {
    if (d->state == State::Inactive)
        return;
    d->closeFiles();
    d->state = State::Inactive;
    d->notify(Change::State);
}

bool Table::isOpen() const {
    return d->state != State::Inactive;
}
const std::string& Table::path() const {
    return d->givenPath;
}
Mode Table::mode() const {
    return d->mode;
}
const std::vector<FieldDef>& Table::fields() const {
    return d->fields;
}

int Table::fieldIndex(std::string_view name) const {
    auto same = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) ==
                          std::toupper(static_cast<unsigned char>(y));
               });
    };
    for (std::size_t i = 0; i < d->fields.size(); ++i)
        if (same(d->fields[i].name, name))
            return static_cast<int>(i);
    return -1;
}

void TableImpl::recoverPack() {
    std::string commit = path + kCommitSuffix;
    const std::string files[] = {memoPath, cdxPath, path};
    if (!File::exists(commit)) {
        for (const auto& f : files)
            File::remove(tempOf(f)); // an unfinished pack: the originals stand
        return;
    }
    // The packed files were complete before the commit mark was written: finish the job.
    if (File::exists(tempOf(path))) {
        File packed = File::open(tempOf(path), true);
        if (!packed.tryLockExclusive())
            throw Error(ErrorKind::InUse, {.path = path});
        for (const auto& f : files)
            if (File::exists(tempOf(f)))
                File::rename(tempOf(f), f);
        dbf = std::move(packed);
    } else {
        for (const auto& f : files)
            if (File::exists(tempOf(f)))
                File::rename(tempOf(f), f);
    }
    File::syncDirectoryOf(path);
    File::remove(commit);
    File::syncDirectoryOf(path);
}

void TableImpl::openFiles(const std::string& tablePath, Mode openMode) {
    givenPath = tablePath;
    path = followLinks(tablePath);
    mode = openMode;
    memoPath = followLinks(companion(tablePath, ".fpt"));
    cdxPath = followLinks(companion(tablePath, ".cdx"));
    bool writable = mode == Mode::Exclusive;
    bool pendingCommit = File::exists(path + kCommitSuffix);
    auto readablePath = [&](const std::string& f) {
        // A read-only open during an unfinished but committed pack reads the packed files.
        return !writable && pendingCommit && File::exists(tempOf(f)) ? tempOf(f) : f;
    };
    dbf = File::open(readablePath(path), writable);
    if (writable) {
        if (!dbf.tryLockExclusive())
            throw Error(ErrorKind::InUse, {.path = path});
        recoverPack();
    }
    auto damaged = [&](Damage damage, long long number = 0, const std::string& name = {}) {
        return Error(ErrorKind::TableDamaged,
                     {.path = path, .name = name, .number = number, .damage = damage});
    };
    std::uint64_t size = dbf.size();
    if (size < kHeaderBlock)
        throw damaged(Damage::ShorterThanHeader);
    char head[kHeaderBlock];
    dbf.readAt(0, head, sizeof head);
    headerLength = le16(head + kHeaderLengthOffset);
    recordLength = le16(head + kRecordLengthOffset);
    count = le32(head + kRecordCountOffset);
    if (headerLength < kHeaderBlock + 1 || headerLength > size)
        throw damaged(Damage::HeaderLength, headerLength);
    header.assign(headerLength, '\0');
    dbf.readAt(0, header.data(), headerLength);

    std::uint32_t offset = 1;
    for (std::uint32_t slot = kHeaderBlock;
         slot < headerLength && header[slot] != kHeaderTerminator; slot += kDescriptorSize) {
        if (slot + kDescriptorSize > headerLength)
            throw damaged(Damage::DescriptorsPastHeader);
        const char* f = header.data() + slot;
        FieldDef def;
        def.name = std::string(f, strnlen(f, 11));
        def.type = static_cast<char>(std::toupper(static_cast<unsigned char>(f[kFieldTypeOffset])));
        def.length = static_cast<unsigned char>(f[kFieldLengthOffset]);
        def.decimals = static_cast<unsigned char>(f[kFieldDecimalsOffset]);
        if (def.type == 'C' && def.decimals > 0) { // long character fields (Clipper, FoxPro)
            def.length += 256 * def.decimals;
            def.decimals = 0;
        }
        if (def.length == 0)
            throw damaged(Damage::FieldWithoutWidth, 0, def.name);
        if (def.type == 'M' && def.length != 10 && def.length != 4)
            throw damaged(Damage::MemoFieldWidth, def.length, def.name);
        fields.push_back(def);
        offsets.push_back(offset);
        offset += static_cast<std::uint32_t>(def.length);
    }
    if (fields.empty())
        throw damaged(Damage::NoFields);
    if (offset > recordLength)
        throw damaged(Damage::FieldsPastRecord);
    if (std::uint64_t(headerLength) + std::uint64_t(count) * recordLength > size)
        throw damaged(Damage::Truncated, count);
    data.resize(std::size_t(count) * recordLength);
    if (!data.empty())
        dbf.readAt(headerLength, data.data(), data.size());

    if (std::any_of(fields.begin(), fields.end(), [](auto& f) { return f.type == 'M'; })) {
        if (File::exists(readablePath(memoPath)))
            memo = MemoFile::open(readablePath(memoPath), writable);
        else if (writable)
            memo = MemoFile::create(memoPath);
    }
    state = State::Browse;
    loadIndex();
}

void TableImpl::closeFiles() {
    memo.reset();
    cdx.close();
    dbf.close();
    tags.clear();
    data.clear();
    pendingMemos.clear();
    cur = 0;
    current = -1;
    indexOpen = false;
}

void TableImpl::notify(Change change) const {
    if (q.onChange)
        q.onChange(change);
}

// ============================================================ navigation

std::uint32_t TableImpl::recordAt(std::size_t pos) const {
    return current < 0 ? static_cast<std::uint32_t>(pos + 1) : tags[current].order[pos];
}

bool TableImpl::orderLess(const Tag& tag, std::uint32_t a, std::uint32_t b) const {
    int c = std::memcmp(tag.key(a), tag.key(b), tag.keyLength);
    return c < 0 || (c == 0 && a < b);
}

std::size_t TableImpl::positionOf(std::uint32_t rec) const {
    if (current < 0)
        return rec - 1;
    if (curPosition < orderSize() && tags[current].order[curPosition] == rec)
        return curPosition; // walking: no search needed
    const Tag& tag = tags[current];
    auto it =
        std::lower_bound(tag.order.begin(), tag.order.end(), rec,
                         [&](std::uint32_t a, std::uint32_t b) { return orderLess(tag, a, b); });
    return static_cast<std::size_t>(it - tag.order.begin());
}

void TableImpl::seekVisible(std::size_t pos, int step) {
    cur = 0;
    while (pos < orderSize()) {
        std::uint32_t rec = recordAt(pos);
        if (!deleted(rec)) {
            cur = rec;
            curPosition = pos;
            return;
        }
        if (step < 0 && pos == 0)
            return;
        pos = step > 0 ? pos + 1 : pos - 1;
    }
}

void Table::first() {
    if (d->state != State::Browse)
        cancel();
    d->atBof = false;
    d->seekVisible(0, 1);
    d->notify(Change::Record);
}

void Table::next() {
    if (d->state != State::Browse)
        cancel();
    d->atBof = false;
    if (d->cur != 0)
        d->seekVisible(d->positionOf(d->cur) + 1, 1);
    d->notify(Change::Record);
}

void Table::last() {
    if (d->state != State::Browse)
        cancel();
    d->atBof = false;
    if (d->orderSize() > 0)
        d->seekVisible(d->orderSize() - 1, -1);
    else
        d->cur = 0;
    d->notify(Change::Record);
}

void Table::prior() {
    if (d->state != State::Browse)
        cancel();
    if (d->cur == 0) {
        last();
        return;
    }
    std::uint32_t was = d->cur;
    std::size_t pos = d->positionOf(was);
    d->cur = 0;
    if (pos > 0)
        d->seekVisible(pos - 1, -1);
    if (d->cur == 0) { // nothing before: stay on the first record, at the beginning
        d->cur = was;
        d->atBof = true;
    }
    d->notify(Change::Record);
}

bool Table::eof() const {
    return d->cur == 0;
}
bool Table::bof() const {
    return d->atBof;
}

void Table::go(std::uint32_t recno) {
    if (d->state != State::Browse)
        cancel();
    d->atBof = false;
    d->cur = (recno >= 1 && recno <= d->count) ? recno : 0;
    d->notify(Change::Record);
}

bool Table::seek(std::string_view value) {
    if (d->current < 0)
        throw Error(ErrorKind::NoIndexOrder, {.path = d->path});
    if (d->state != State::Browse)
        cancel();
    const auto& tag = d->tags[d->current];
    std::string wanted = truncateUtf8(value, tag.keyLength);
    if (tag.upper)
        wanted = upperKey(wanted);
    auto it = std::lower_bound(tag.order.begin(), tag.order.end(), wanted,
                               [&](std::uint32_t rec, const std::string& w) {
                                   return std::memcmp(tag.key(rec), w.data(), w.size()) < 0;
                               });
    d->atBof = false;
    d->seekVisible(static_cast<std::size_t>(it - tag.order.begin()), 1);
    d->notify(Change::Record);
    return d->cur != 0 && std::memcmp(tag.key(d->cur), wanted.data(), wanted.size()) == 0;
}

std::vector<std::uint32_t> Table::recordsInOrder() const {
    std::vector<std::uint32_t> out;
    out.reserve(d->count);
    for (std::size_t pos = 0; pos < d->orderSize(); ++pos)
        if (std::uint32_t rec = d->recordAt(pos); !d->deleted(rec))
            out.push_back(rec);
    return out;
}

std::uint32_t Table::recordCount() const {
    return d->count;
}
std::uint32_t Table::recNo() const {
    return d->cur == 0 ? d->count + 1 : d->cur;
}
bool Table::isDeleted() const {
    return d->cur != 0 && d->deleted(d->cur);
}
State Table::state() const {
    return d->state;
}

// ============================================================ field values

std::size_t TableImpl::requireField(std::string_view name) const {
    int i = q.fieldIndex(name);
    if (i < 0)
        throw Error(ErrorKind::NoField, {.path = path, .name = std::string(name)});
    return static_cast<std::size_t>(i);
}

const char* TableImpl::visibleRecord() const {
    if (state == State::Edit || state == State::Insert)
        return buffer.data();
    return cur == 0 ? nullptr : record(cur);
}

std::string_view TableImpl::fieldBytes(const char* rec, std::size_t field) const {
    if (rec == nullptr)
        return {};
    return {rec + offsets[field], static_cast<std::size_t>(fields[field].length)};
}

void TableImpl::requireWritable(Operation operation) const {
    if (state == State::Inactive)
        throw Error(ErrorKind::Closed, {.operation = operation});
    if (mode != Mode::Exclusive)
        throw Error(ErrorKind::ReadOnly, {.path = path, .operation = operation});
}

char* TableImpl::editableField(std::size_t field) {
    if (state != State::Edit && state != State::Insert)
        throw Error(ErrorKind::NotEditing, {.path = path});
    return buffer.data() + offsets[field];
}

std::string Table::getText(std::string_view field) const {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type == 'M')
        return getMemo(field);
    std::string_view bytes = d->fieldBytes(d->visibleRecord(), f);
    while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == '\0'))
        bytes.remove_suffix(1);
    if (d->fields[f].type != 'C')
        while (!bytes.empty() && bytes.front() == ' ')
            bytes.remove_prefix(1);
    return decodeStored(bytes);
}

double Table::getFloat(std::string_view field) const {
    std::string_view bytes = d->fieldBytes(d->visibleRecord(), d->requireField(field));
    while (!bytes.empty() && bytes.front() == ' ')
        bytes.remove_prefix(1);
    while (!bytes.empty() && bytes.back() == ' ')
        bytes.remove_suffix(1);
    if (!bytes.empty() && bytes.front() == '+')
        bytes.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (ec != std::errc() || !std::isfinite(value))
        return 0;
    (void)end;
    return value;
}

int Table::getInteger(std::string_view field) const {
    double v = std::trunc(getFloat(field));
    return static_cast<int>(std::clamp(v, -2147483648.0, 2147483647.0));
}

bool Table::getLogical(std::string_view field) const {
    std::string_view bytes = d->fieldBytes(d->visibleRecord(), d->requireField(field));
    return !bytes.empty() && std::strchr("TtYy", bytes[0]) != nullptr && bytes[0] != '\0';
}

bool Table::isBlank(std::string_view field) const {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type == 'M')
        return getMemo(field).empty();
    std::string_view bytes = d->fieldBytes(d->visibleRecord(), f);
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\0'; });
}

void Table::setText(std::string_view field, std::string_view value) {
    std::size_t f = d->requireField(field);
    const FieldDef& def = d->fields[f];
    switch (def.type) {
    case 'M':
        setMemo(field, value);
        return;
    case 'L':
        if (value.empty())
            setBlank(field);
        else
            setLogical(field, std::strchr("TtYy", value[0]) != nullptr);
        return;
    case 'N':
    case 'F': {
        std::string_view v = value;
        while (!v.empty() && v.front() == ' ')
            v.remove_prefix(1);
        while (!v.empty() && v.back() == ' ')
            v.remove_suffix(1);
        if (v.empty()) {
            setBlank(field);
            return;
        }
        double number = 0;
        auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), number);
        if (ec != std::errc() || end != v.data() + v.size())
            throw Error(ErrorKind::NotANumber, {.name = def.name, .value = std::string(value)});
        setFloat(field, number);
        return;
    }
    default: {
        char* out = d->editableField(f);
        std::string cut = truncateUtf8(value, static_cast<std::size_t>(def.length));
        std::memset(out, ' ', static_cast<std::size_t>(def.length));
        std::memcpy(out, cut.data(), cut.size());
    }
    }
}

void Table::setFloat(std::string_view field, double value) {
    std::size_t f = d->requireField(field);
    const FieldDef& def = d->fields[f];
    if (def.type != 'N' && def.type != 'F')
        throw Error(ErrorKind::NotNumeric, {.name = def.name});
    char* out = d->editableField(f);
    if (!std::isfinite(value))
        throw Error(ErrorKind::NotFinite, {.name = def.name});
    char text[64];
    auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, def.decimals);
    std::string s(text, ec == std::errc() ? end : text);
    if (s.find_first_not_of("-0.") == std::string::npos && !s.empty() && s[0] == '-')
        s.erase(0, 1); // no negative zero
    if (ec != std::errc() || s.size() > static_cast<std::size_t>(def.length))
        throw Error(ErrorKind::DoesNotFit, {.name = def.name, .value = s, .number = def.length});
    std::memset(out, ' ', static_cast<std::size_t>(def.length));
    std::memcpy(out + def.length - s.size(), s.data(), s.size());
}

void Table::setInteger(std::string_view field, int value) {
    setFloat(field, value);
}

void Table::setLogical(std::string_view field, bool value) {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type != 'L')
        throw Error(ErrorKind::NotLogical, {.name = d->fields[f].name});
    *d->editableField(f) = value ? 'T' : 'F';
}

void Table::setBlank(std::string_view field) {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type == 'M') {
        setMemo(field, {});
        return;
    }
    std::memset(d->editableField(f), ' ', static_cast<std::size_t>(d->fields[f].length));
}

// ============================================================ memo fields

std::string TableImpl::memoText(std::size_t field, const char* rec) const {
    std::string_view pointer = fieldBytes(rec, field);
    std::uint32_t block = 0;
    if (pointer.size() == 4) {
        block = le32(pointer.data());
    } else {
        std::uint64_t value = 0;
        for (char c : pointer) {
            if (c == ' ' || c == '\0')
                continue;
            if (c < '0' || c > '9' || value > 0xFFFFFFFFull / 10)
                throw Error(ErrorKind::TableDamaged, {.path = path,
                                                      .name = fields[field].name,
                                                      .damage = Damage::MemoPointerOfField});
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (value > 0xFFFFFFFFull)
            throw Error(ErrorKind::TableDamaged, {.path = path, .damage = Damage::MemoPointer});
        block = static_cast<std::uint32_t>(value);
    }
    if (block == 0)
        return {};
    if (!memo)
        throw Error(ErrorKind::MemoMissing, {.path = path});
    return memo->read(block);
}

std::string Table::getMemo(std::string_view field) const {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type != 'M')
        throw Error(ErrorKind::NotMemo, {.name = d->fields[f].name});
    if (d->state == State::Edit || d->state == State::Insert) {
        auto it = d->pendingMemos.find(f);
        if (it != d->pendingMemos.end())
            return it->second;
    }
    const char* rec = d->visibleRecord();
    return rec == nullptr ? std::string() : decodeStored(d->memoText(f, rec));
}

std::vector<std::string> Table::getMemoLines(std::string_view field) const {
    std::string text = getMemo(field);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

void Table::setMemo(std::string_view field, std::string_view text) {
    std::size_t f = d->requireField(field);
    if (d->fields[f].type != 'M')
        throw Error(ErrorKind::NotMemo, {.name = d->fields[f].name});
    d->editableField(f);
    d->pendingMemos[f] = std::string(text);
}

void Table::setMemoLines(std::string_view field, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    setMemo(field, text);
}

// ============================================================ editing

void Table::append() {
    d->requireWritable(Operation::Append);
    if (d->state != State::Browse)
        cancel();
    d->buffer.assign(d->recordLength, ' ');
    d->pendingMemos.clear();
    d->state = State::Insert;
    d->notify(Change::State);
}

void Table::edit() {
    d->requireWritable(Operation::Edit);
    if (d->state == State::Edit || d->state == State::Insert)
        return;
    if (d->cur == 0) {
        append();
        return;
    }
    const char* rec = d->record(d->cur);
    d->buffer.assign(rec, rec + d->recordLength);
    d->pendingMemos.clear();
    d->state = State::Edit;
    d->notify(Change::State);
}

void Table::cancel() {
    if (d->state != State::Edit && d->state != State::Insert)
        return;
    d->buffer.clear();
    d->pendingMemos.clear();
    d->state = State::Browse;
    d->notify(Change::State);
    d->notify(Change::Record);
}

void TableImpl::writeMemos() {
    for (auto& [field, text] : pendingMemos) {
        std::uint32_t block = 0;
        if (!text.empty()) {
            if (!memo)
                memo = MemoFile::create(memoPath);
            block = memo->append(text, syncWrites);
        }
        writeMemoPointer(buffer.data() + offsets[field], field, block);
    }
    pendingMemos.clear();
}

void TableImpl::writeMemoPointer(char* out, std::size_t field, std::uint32_t block) const {
    std::size_t width = static_cast<std::size_t>(fields[field].length);
    if (width == 4) {
        put32(out, block);
    } else {
        std::string digits = block == 0 ? std::string() : std::to_string(block);
        std::memset(out, ' ', width);
        std::memcpy(out + width - digits.size(), digits.data(), digits.size());
    }
}

void TableImpl::writeRecordCount() {
    stampDate(header.data());
    put32(header.data() + kRecordCountOffset, count);
    dbf.writeAt(1, header.data() + 1, 7);
    if (syncWrites)
        dbf.sync();
}

void TableImpl::postInsert() {
    std::uint64_t offset = headerLength + std::uint64_t(count) * recordLength;
    std::string bytes(buffer.begin(), buffer.end());
    bytes += kEndMark;
    dbf.writeAt(offset, bytes);
    if (syncWrites)
        dbf.sync();
    ++count;
    writeRecordCount();
    data.insert(data.end(), buffer.begin(), buffer.end());
    for (auto& tag : tags) {
        tag.keys.resize(std::size_t(count) * tag.keyLength);
        computeKey(tag, count);
        auto it = std::upper_bound(
            tag.order.begin(), tag.order.end(), count,
            [&](std::uint32_t a, std::uint32_t b) { return orderLess(tag, a, b); });
        tag.order.insert(it, count);
    }
    cur = count;
}

void TableImpl::postEdit() {
    dbf.writeAt(headerLength + std::uint64_t(cur - 1) * recordLength, buffer.data(), buffer.size());
    if (syncWrites)
        dbf.sync();
    for (auto& tag : tags) { // take the record out of each order under its old key
        auto less = [&](std::uint32_t a, std::uint32_t b) { return orderLess(tag, a, b); };
        auto it = std::lower_bound(tag.order.begin(), tag.order.end(), cur, less);
        if (it != tag.order.end() && *it == cur)
            tag.order.erase(it);
    }
    std::memcpy(data.data() + std::size_t(cur - 1) * recordLength, buffer.data(), buffer.size());
    for (auto& tag : tags) {
        computeKey(tag, cur);
        auto less = [&](std::uint32_t a, std::uint32_t b) { return orderLess(tag, a, b); };
        tag.order.insert(std::upper_bound(tag.order.begin(), tag.order.end(), cur, less), cur);
    }
}

void Table::post() {
    if (d->state != State::Edit && d->state != State::Insert)
        return;
    d->requireWritable(Operation::Post);
    d->writeMemos(); // memo blocks first: the record must never point at unwritten memo text
    if (d->state == State::Insert)
        d->postInsert();
    else
        d->postEdit();
    d->writeIndex();
    d->buffer.clear();
    d->state = State::Browse;
    d->atBof = false;
    d->notify(Change::State);
    d->notify(Change::Record);
}

void Table::deleteRecord() {
    d->requireWritable(Operation::Delete);
    if (d->state != State::Browse)
        cancel();
    if (d->cur == 0)
        throw Error(ErrorKind::NoCurrentRecord, {.path = d->path});
    std::uint32_t rec = d->cur;
    d->data[std::size_t(rec - 1) * d->recordLength] = '*';
    d->dbf.writeAt(d->headerLength + std::uint64_t(rec - 1) * d->recordLength, "*", 1);
    if (d->syncWrites)
        d->dbf.sync();
    std::size_t pos = d->positionOf(rec);
    d->seekVisible(pos + 1, 1);
    if (d->cur == 0 && pos > 0)
        d->seekVisible(pos - 1, -1);
    d->notify(Change::Record);
}

void Table::setSyncWrites(bool sync) {
    d->syncWrites = sync;
}

void Table::flush() {
    if (d->state == State::Inactive || d->mode != Mode::Exclusive)
        return;
    if (d->memo)
        d->memo->sync();
    d->dbf.sync();
    if (d->cdx.isOpen())
        d->cdx.sync();
}

// ============================================================ pack

void Table::pack() {
    d->requireWritable(Operation::Pack);
    if (d->state != State::Browse)
        cancel();
    try {
        packFiles();
    } catch (const Error&) {
        if (!File::exists(d->path + kCommitSuffix)) { // not committed: the originals stand
            for (const auto& f : {d->memoPath, d->cdxPath, d->path})
                File::remove(tempOf(f));
            throw;
        }
        // Committed but not finished: the next open completes it; this handle is stale.
        close();
        throw;
    }
    first();
}

void Table::packFiles() {
    TableImpl& t = *d;
    const std::string memoTemp = tempOf(t.memoPath), cdxTemp = tempOf(t.cdxPath),
                      dbfTemp = tempOf(t.path), commit = t.path + kCommitSuffix;
    File::remove(commit);

    // 1. The packed memo and records, beside the originals.
    std::optional<MemoFile> memo;
    if (t.memo)
        memo = MemoFile::create(memoTemp, true);
    Bytes packed;
    packed.reserve(t.data.size());
    std::uint32_t kept = 0;
    for (std::uint32_t rec = 1; rec <= t.count; ++rec) {
        if (t.deleted(rec))
            continue;
        const char* src = t.record(rec);
        packed.insert(packed.end(), src, src + t.recordLength);
        char* dst = packed.data() + std::size_t(kept) * t.recordLength;
        ++kept;
        for (std::size_t f = 0; f < t.fields.size(); ++f) {
            if (t.fields[f].type != 'M')
                continue;
            std::string text = t.memoText(f, src);
            std::uint32_t block = text.empty() || !memo ? 0 : memo->append(text, false);
            t.writeMemoPointer(dst + t.offsets[f], f, block);
        }
    }
    if (memo && t.syncWrites)
        memo->sync();
    std::string header = t.header;
    stampDate(header.data());
    put32(header.data() + kRecordCountOffset, kept);
    File newDbf = File::create(dbfTemp, true);
    newDbf.writeAt(0, header);
    if (!packed.empty())
        newDbf.writeAt(t.headerLength, packed.data(), packed.size());
    newDbf.writeAt(t.headerLength + packed.size(), std::string(1, kEndMark));
    if (t.syncWrites)
        newDbf.sync();
    if (!newDbf.tryLockExclusive())
        throw Error(ErrorKind::PackedNotLocked, {.path = dbfTemp});

    // 2. The index over the packed records (the table itself stays as it is until commit).
    std::vector<TableImpl::Tag> tags = t.tags;
    for (auto& tag : tags) {
        tag.keys.assign(std::size_t(kept) * tag.keyLength, ' ');
        for (std::uint32_t rec = 1; rec <= kept; ++rec)
            t.computeKey(tag, rec, packed.data() + std::size_t(rec - 1) * t.recordLength);
        t.sortTag(tag, kept);
    }
    std::string image;
    if (t.indexOpen) {
        image = t.buildIndexImage(tags, kept);
        File newCdx = File::create(cdxTemp, true);
        newCdx.writeAt(0, image);
        if (t.syncWrites)
            newCdx.sync();
    }

    // 3. Commit, then swap the files in; an interruption from here on is finished at open.
    File::create(commit, true).sync();
    File::syncDirectoryOf(t.path);
    if (memo)
        File::rename(memoTemp, t.memoPath);
    if (t.indexOpen)
        File::rename(cdxTemp, t.cdxPath);
    File::rename(dbfTemp, t.path);
    File::syncDirectoryOf(t.path);
    File::remove(commit);
    File::syncDirectoryOf(t.path);

    t.dbf = std::move(newDbf);
    t.header = header;
    t.data = std::move(packed);
    t.count = kept;
    t.tags = std::move(tags);
    if (memo) {
        memo->close();
        t.memo = MemoFile::open(t.memoPath, true);
    }
    if (t.indexOpen) {
        t.cdx = File::open(t.cdxPath, true);
        t.lastImage = std::move(image);
    }
}

} // namespace dbf
