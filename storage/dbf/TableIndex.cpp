// The table's compound index: computing and sorting the keys of its tags, checking a stored
// index against the records, writing the index file and reading it back when the table opens.

#include "storage/dbf/CompoundIndex.h"
#include "storage/dbf/Table.h"
#include "storage/dbf/TableImpl.h"
#include "storage/dbf/TableLayout.h"

#include <algorithm>
#include <cstring>

namespace dbf {

using namespace dbf::layout;

void TableImpl::computeKey(Tag& tag, std::uint32_t rec, const char* recordBytes) const {
    std::string_view bytes = fieldBytes(recordBytes, static_cast<std::size_t>(tag.field));
    char* out = tag.keys.data() + std::size_t(rec - 1) * tag.keyLength;
    if (tag.upper) {
        // Plain ASCII, by far the common case, folds in place without allocating.
        bool ascii = true;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char c = bytes[i];
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
            out[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        }
        if (!ascii) {
            std::string key = upperKey(bytes);
            std::memcpy(out, key.data(), tag.keyLength);
        }
    } else {
        std::memcpy(out, bytes.data(), tag.keyLength);
    }
}

void TableImpl::sortTag(Tag& tag, std::uint32_t records) const {
    tag.order.resize(records);
    for (std::uint32_t rec = 1; rec <= records; ++rec)
        tag.order[rec - 1] = rec;
    std::sort(tag.order.begin(), tag.order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return orderLess(tag, a, b); });
}

TableImpl::Tag TableImpl::makeTag(std::string_view name, std::string_view expression) const {
    Tag tag;
    tag.name = upperAscii(name);
    if (!isName(tag.name))
        throw Error(ErrorKind::InvalidTagName, {.name = std::string(name)});
    tag.expression = std::string(expression);
    std::string e = upperAscii(expression);
    e.erase(std::remove(e.begin(), e.end(), ' '), e.end());
    std::string fieldName = e;
    tag.upper = e.size() > 7 && e.rfind("UPPER(", 0) == 0 && e.back() == ')';
    if (tag.upper)
        fieldName = e.substr(6, e.size() - 7);
    int f = q.fieldIndex(fieldName);
    if (f < 0 || fields[static_cast<std::size_t>(f)].type != 'C' ||
        fields[static_cast<std::size_t>(f)].length > 240)
        throw Error(ErrorKind::UnsupportedKey, {.name = std::string(expression)});
    tag.field = f;
    tag.keyLength = static_cast<std::uint16_t>(fields[static_cast<std::size_t>(f)].length);
    tag.keys.assign(std::size_t(count) * tag.keyLength, ' ');
    for (std::uint32_t rec = 1; rec <= count; ++rec)
        computeKey(tag, rec);
    return tag;
}

bool TableImpl::tagAgrees(const Tag& tag, const std::vector<std::uint32_t>& records,
                          const std::vector<char>& keys) const {
    if (records.size() != count)
        return false;
    std::vector<bool> seen(std::size_t(count) + 1, false);
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::uint32_t rec = records[i];
        if (rec == 0 || rec > count || seen[rec])
            return false;
        seen[rec] = true;
        if (std::memcmp(keys.data() + i * tag.keyLength, tag.key(rec), tag.keyLength) != 0)
            return false;
        if (i > 0 && !orderLess(tag, records[i - 1], rec))
            return false;
    }
    return true;
}

std::string TableImpl::buildIndexImage(const std::vector<Tag>& tagList,
                                       std::uint32_t records) const {
    std::vector<TagSource> sources;
    for (const auto& tag : tagList)
        sources.push_back({tag.name, tag.expression, tag.keyLength, &tag.order,
                           [&tag](std::uint32_t rec) { return tag.key(rec); }, records});
    return CompoundIndex::build(sources);
}

void TableImpl::writeIndex() {
    if (!indexOpen || mode != Mode::Exclusive)
        return;
    std::string image = buildIndexImage();
    if (!cdx.isOpen())
        cdx = File::exists(cdxPath) ? File::open(cdxPath, true) : File::create(cdxPath, false);
    // Only the pages that changed are written.
    for (std::size_t page = 0; page < image.size(); page += 512) {
        if (page + 512 <= lastImage.size() &&
            std::memcmp(image.data() + page, lastImage.data() + page, 512) == 0)
            continue;
        cdx.writeAt(page, image.data() + page, 512);
    }
    if (image.size() != lastImage.size())
        cdx.truncate(image.size());
    if (syncWrites)
        cdx.sync();
    lastImage = std::move(image);
}

void TableImpl::setIndexFlag(bool on) {
    char& flags = header[kTableFlagsOffset];
    if (mode != Mode::Exclusive || ((flags & kHasIndexFlag) != 0) == on)
        return;
    flags = static_cast<char>(on ? (flags | kHasIndexFlag) : (flags & ~kHasIndexFlag));
    dbf.writeAt(kTableFlagsOffset, &flags, 1);
    if (syncWrites)
        dbf.sync();
}

void TableImpl::loadIndex() {
    tags.clear();
    current = -1;
    indexOpen = false;
    lastImage.clear();
    std::string file = cdxPath;
    if (mode == Mode::ReadOnly && File::exists(path + kCommitSuffix) &&
        File::exists(tempOf(cdxPath)))
        file = tempOf(cdxPath);
    if (!File::exists(file)) {
        setIndexFlag(false);
        return;
    }
    std::vector<IndexTag> read;
    std::string image;
    try {
        File in = File::open(file, mode == Mode::Exclusive);
        if (in.size() > (std::uint64_t(1) << 28)) // far beyond any index of a table we can hold
            throw Error(ErrorKind::IndexDamaged, {.path = file, .value = "too large"});
        image.resize(in.size());
        if (!image.empty())
            in.readAt(0, image.data(), image.size());
        read = CompoundIndex::parse(image, file);
        if (mode == Mode::Exclusive)
            cdx = std::move(in);
    } catch (const Error&) {
        // Not even the tag list is readable: the index is dropped, as if it were missing.
        if (mode == Mode::Exclusive) {
            cdx.close();
            File::remove(cdxPath);
            setIndexFlag(false);
        }
        return;
    }
    bool agrees = true;
    for (auto& r : read) {
        Tag tag;
        try {
            tag = makeTag(r.name, r.expression);
        } catch (const Error&) {
            agrees = false; // a tag we cannot maintain is left out of the rebuilt index
            continue;
        }
        if (r.treeReadable && r.keyLength == tag.keyLength && tagAgrees(tag, r.records, r.keys)) {
            tag.order = std::move(r.records);
        } else {
            sortTag(tag);
            agrees = false;
        }
        tags.push_back(std::move(tag));
    }
    indexOpen = true;
    if (agrees)
        lastImage = std::move(image);
    else
        writeIndex();
    setIndexFlag(true);
    current = tags.empty() ? -1 : 0;
}

void Table::createIndexTag(std::string_view tag, std::string_view expression) {
    d->requireWritable(Operation::CreateIndex);
    if (d->state != State::Browse)
        cancel();
    TableImpl::Tag made = d->makeTag(tag, expression);
    d->sortTag(made);
    auto it = std::find_if(d->tags.begin(), d->tags.end(),
                           [&](const auto& t) { return t.name == made.name; });
    std::size_t index = static_cast<std::size_t>(it - d->tags.begin());
    if (it == d->tags.end()) {
        if (d->tags.size() >= CompoundIndex::kMaxTags)
            throw Error(ErrorKind::TooManyTags, {.path = d->path});
        d->tags.push_back(std::move(made));
    } else {
        *it = std::move(made);
    }
    d->indexOpen = true;
    d->writeIndex();
    d->setIndexFlag(true);
    d->current = static_cast<int>(index);
}

void Table::setOrder(std::string_view tag) {
    if (tag.empty()) {
        d->current = -1;
        return;
    }
    std::string wanted = upperAscii(tag);
    for (std::size_t i = 0; i < d->tags.size(); ++i)
        if (d->tags[i].name == wanted) {
            d->current = static_cast<int>(i);
            return;
        }
    throw Error(ErrorKind::NoTag, {.path = d->path, .name = std::string(tag)});
}

std::string Table::order() const {
    return d->current < 0 ? std::string() : d->tags[d->current].name;
}

std::vector<std::string> Table::tagNames() const {
    std::vector<std::string> names;
    for (const auto& tag : d->tags)
        names.push_back(tag.name);
    return names;
}

std::string Table::tagExpression(std::string_view tag) const {
    std::string wanted = upperAscii(tag);
    for (const auto& t : d->tags)
        if (t.name == wanted)
            return t.expression;
    throw Error(ErrorKind::NoTag, {.path = d->path, .name = std::string(tag)});
}

std::string Table::indexFileName() const {
    return d->indexOpen ? d->cdxPath : std::string();
}

void Table::closeIndexes() {
    if (d->state == State::Inactive)
        return;
    d->tags.clear();
    d->current = -1;
    d->indexOpen = false;
    d->lastImage.clear();
    d->cdx.close();
    d->setIndexFlag(false);
}

} // namespace dbf
