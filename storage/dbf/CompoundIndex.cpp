#include "storage/dbf/CompoundIndex.h"

#include "storage/dbf/ByteOrder.h"
#include "storage/dbf/Error.h"

#include <algorithm>
#include <cstring>

namespace dbf {

namespace {

using namespace dbf::bytes;

constexpr std::size_t kPage = 512;
constexpr std::size_t kHeader = 1024;
constexpr std::size_t kLeafArea = 488;
constexpr std::uint32_t kNone = 0xFFFFFFFFu;
constexpr char kFill = ' ';

int bitLength(std::uint32_t v) {
    int n = 0;
    while (v) {
        ++n;
        v >>= 1;
    }
    return n;
}

// ---------------------------------------------------------------- reading

class Reader {
public:
    Reader(std::string_view image, const std::string& path) : image_(image), path_(path) {}

    [[noreturn]] void damaged(const std::string& what) const {
        throw Error(ErrorKind::IndexDamaged, {.path = path_, .value = what});
    }

    const char* page(std::uint64_t offset, std::size_t size) const {
        if (offset % kPage != 0 || offset + size > image_.size())
            damaged("page offset " + std::to_string(offset) + " outside the file");
        return image_.data() + offset;
    }

    struct Header {
        std::uint32_t root;
        std::uint16_t keyLength;
        std::string expression;
    };

    Header header(std::uint64_t offset) const {
        const char* h = page(offset, kHeader);
        Header out{le32(h), static_cast<std::uint16_t>(le16(h + 12)), {}};
        if (out.keyLength == 0 || out.keyLength > 240)
            damaged("key length " + std::to_string(out.keyLength));
        std::uint32_t exprOffset = le16(h + 508), exprLength = le16(h + 510);
        if (exprOffset + exprLength > kPage)
            damaged("key expression outside its header");
        const char* pool = h + kPage + exprOffset;
        out.expression.assign(pool, strnlen(pool, exprLength));
        return out;
    }

    // Every (key, record) pair of the tree at `root`, in tree order.
    void walk(std::uint32_t root, std::uint16_t keyLength, std::vector<std::uint32_t>& records,
              std::vector<char>& keys) const {
        std::vector<bool> visited(image_.size() / kPage + 1, false);
        std::vector<std::pair<std::uint32_t, int>> stack{{root, 0}};
        while (!stack.empty()) {
            auto [offset, depth] = stack.back();
            stack.pop_back();
            const char* p = page(offset, kPage);
            if (visited[offset / kPage])
                damaged("page " + std::to_string(offset) + " reached twice");
            visited[offset / kPage] = true;
            if (depth > 64)
                damaged("tree too deep");
            std::uint32_t count = le16(p + 2);
            if (le16(p) & 0x02) {
                leaf(p, count, keyLength, records, keys);
                continue;
            }
            std::size_t entry = keyLength + 8u;
            if (count == 0 || count * entry > 500)
                damaged("interior page " + std::to_string(offset) + " holds " +
                        std::to_string(count) + " keys");
            for (std::uint32_t i = count; i-- > 0;)
                stack.push_back({be32(p + 12 + i * entry + keyLength + 4), depth + 1});
        }
    }

private:
    void leaf(const char* p, std::uint32_t count, std::uint16_t keyLength,
              std::vector<std::uint32_t>& records, std::vector<char>& keys) const {
        unsigned rb = static_cast<unsigned char>(p[20]), db = static_cast<unsigned char>(p[21]),
                 tb = static_cast<unsigned char>(p[22]), nb = static_cast<unsigned char>(p[23]);
        if (nb == 0 || nb > 8 || rb > 32 || db > 16 || tb > 16 || rb + db + tb > nb * 8 ||
            count * nb > kLeafArea)
            damaged("leaf entry layout");
        std::string previous(keyLength, kFill);
        std::size_t cursor = kPage;
        std::size_t floor = 24 + std::size_t(count) * nb;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint64_t e = 0;
            for (unsigned k = 0; k < nb; ++k)
                e |= std::uint64_t(static_cast<unsigned char>(p[24 + i * nb + k])) << (8 * k);
            std::uint64_t record = e & ((std::uint64_t(1) << rb) - 1);
            std::uint64_t dup = (e >> rb) & ((std::uint64_t(1) << db) - 1);
            std::uint64_t trail = (e >> (rb + db)) & ((std::uint64_t(1) << tb) - 1);
            if (i == 0)
                dup = 0;
            if (dup + trail > keyLength)
                damaged("leaf entry lengths");
            std::size_t fresh = keyLength - dup - trail;
            if (cursor < floor + fresh)
                damaged("leaf key bytes overlap");
            cursor -= fresh;
            std::memcpy(previous.data() + dup, p + cursor, fresh);
            std::memset(previous.data() + dup + fresh, kFill, trail);
            records.push_back(static_cast<std::uint32_t>(record));
            keys.insert(keys.end(), previous.begin(), previous.end());
        }
    }

    std::string_view image_;
    const std::string& path_;
};

std::string trimmedName(const char* key, std::size_t length) {
    std::string name(key, length);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0'))
        name.pop_back();
    return name;
}

// ---------------------------------------------------------------- writing

struct Widths {
    int rb, db, tb, nb;
};

Widths widthsFor(std::uint16_t keyLength, std::uint32_t maxRecord) {
    int db = bitLength(keyLength);
    int need = std::max(1, bitLength(maxRecord));
    int nb = (need + 2 * db + 7) / 8;
    return {nb * 8 - 2 * db, db, db, nb};
}

std::size_t trailOf(const char* key, std::size_t length) {
    std::size_t t = 0;
    while (t < length && key[length - 1 - t] == kFill)
        ++t;
    return t;
}

class TreeWriter {
public:
    TreeWriter(std::string& image, std::uint16_t keyLength, std::uint32_t maxRecord)
        : image_(image), keyLength_(keyLength), w_(widthsFor(keyLength, maxRecord)) {}

    // Builds the tree over (keys[i], records[i]) appended to the image; returns the root.
    std::uint32_t build(std::size_t count, const std::function<const char*(std::size_t)>& key,
                        const std::function<std::uint32_t(std::size_t)>& record) {
        std::vector<Entry> level = leaves(count, key, record);
        std::size_t perNode = 500 / (keyLength_ + 8u);
        while (level.size() > 1)
            level = interiors(level, perNode);
        if (level.empty()) // an empty tag still has one root leaf
            level = leaves(0, key, record);
        std::uint32_t root = level.front().page;
        image_[root] = static_cast<char>(image_[root] | 0x01);
        return root;
    }

private:
    struct Entry {
        std::string key;
        std::uint32_t record;
        std::uint32_t page;
    };

    std::uint32_t allocate() {
        auto offset = static_cast<std::uint32_t>(image_.size());
        image_.resize(image_.size() + kPage, '\0');
        return offset;
    }

    void link(const std::vector<Entry>& pages) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            char* p = image_.data() + pages[i].page;
            put32(p + 4, i == 0 ? kNone : pages[i - 1].page);
            put32(p + 8, i + 1 == pages.size() ? kNone : pages[i + 1].page);
        }
    }

    std::vector<Entry> leaves(std::size_t count, const std::function<const char*(std::size_t)>& key,
                              const std::function<std::uint32_t(std::size_t)>& record) {
        std::vector<Entry> pages;
        std::size_t i = 0;
        do {
            std::uint32_t offset = allocate();
            std::size_t first = i, used = 0;
            std::vector<std::uint64_t> codes;
            std::string bytes; // key bytes in entry order; stored from the page end backwards
            while (i < count) {
                const char* k = key(i);
                std::size_t trail = trailOf(k, keyLength_);
                std::size_t dup = 0;
                if (i > first) {
                    const char* prev = key(i - 1);
                    std::size_t cap = keyLength_ - std::max(trail, trailOf(prev, keyLength_));
                    while (dup < cap && prev[dup] == k[dup])
                        ++dup;
                }
                std::size_t fresh = keyLength_ - dup - trail;
                if (used + w_.nb + fresh > kLeafArea)
                    break;
                used += w_.nb + fresh;
                codes.push_back(std::uint64_t(record(i)) | (std::uint64_t(dup) << w_.rb) |
                                (std::uint64_t(trail) << (w_.rb + w_.db)));
                bytes.append(k + dup, fresh);
                ++i;
            }
            writeLeaf(offset, codes, bytes, kLeafArea - used);
            Entry last{std::string(keyLength_, kFill), 0, offset};
            if (i > first)
                last = {std::string(key(i - 1), keyLength_), record(i - 1), offset};
            pages.push_back(std::move(last));
        } while (i < count);
        link(pages);
        return pages;
    }

    void writeLeaf(std::uint32_t offset, const std::vector<std::uint64_t>& codes,
                   const std::string& bytes, std::size_t freeBytes) {
        char* p = image_.data() + offset;
        put16(p, 2);
        put16(p + 2, static_cast<std::uint32_t>(codes.size()));
        put16(p + 12, static_cast<std::uint32_t>(freeBytes));
        put32(p + 14, w_.rb >= 32 ? 0xFFFFFFFFu : (1u << w_.rb) - 1);
        p[18] = static_cast<char>((1 << w_.db) - 1);
        p[19] = static_cast<char>((1 << w_.tb) - 1);
        p[20] = static_cast<char>(w_.rb);
        p[21] = static_cast<char>(w_.db);
        p[22] = static_cast<char>(w_.tb);
        p[23] = static_cast<char>(w_.nb);
        for (std::size_t i = 0; i < codes.size(); ++i)
            for (int k = 0; k < w_.nb; ++k)
                p[24 + i * w_.nb + k] = static_cast<char>((codes[i] >> (8 * k)) & 0xFF);
        // Entry 0's bytes end at the page end, each following entry's sit just before.
        std::size_t end = kPage, pos = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            std::size_t fresh = keyLength_ - ((codes[i] >> w_.rb) & ((1u << w_.db) - 1)) -
                                ((codes[i] >> (w_.rb + w_.db)) & ((1u << w_.tb) - 1));
            end -= fresh;
            std::memcpy(p + end, bytes.data() + pos, fresh);
            pos += fresh;
        }
    }

    std::vector<Entry> interiors(const std::vector<Entry>& below, std::size_t perNode) {
        std::vector<Entry> pages;
        std::size_t entry = keyLength_ + 8u;
        for (std::size_t first = 0; first < below.size(); first += perNode) {
            std::size_t n = std::min(perNode, below.size() - first);
            std::uint32_t offset = allocate();
            char* p = image_.data() + offset;
            put16(p, 0);
            put16(p + 2, static_cast<std::uint32_t>(n));
            for (std::size_t i = 0; i < n; ++i) {
                const Entry& child = below[first + i];
                std::memcpy(p + 12 + i * entry, child.key.data(), keyLength_);
                putBe32(p + 12 + i * entry + keyLength_, child.record);
                putBe32(p + 12 + i * entry + keyLength_ + 4, child.page);
            }
            pages.push_back({below[first + n - 1].key, below[first + n - 1].record, offset});
        }
        link(pages);
        return pages;
    }

    std::string& image_;
    std::uint16_t keyLength_;
    Widths w_;
};

void writeHeader(char* h, std::uint32_t root, std::uint16_t keyLength, unsigned char options,
                 const std::string& expression) {
    put32(h, root);
    put16(h + 12, keyLength);
    h[14] = static_cast<char>(options);
    h[15] = 1;
    auto exprLength = static_cast<std::uint32_t>(expression.size() + 1);
    put16(h + 502, 0);
    put16(h + 504, exprLength);
    put16(h + 506, 1);
    put16(h + 508, 0);
    put16(h + 510, exprLength);
    std::memcpy(h + kPage, expression.data(), expression.size());
}

} // namespace

std::vector<IndexTag> CompoundIndex::parse(std::string_view image, const std::string& path) {
    Reader reader(image, path);
    Reader::Header directory = reader.header(0);
    if (directory.keyLength != 10)
        reader.damaged("tag directory key length");
    std::vector<std::uint32_t> offsets;
    std::vector<char> names;
    reader.walk(directory.root, 10, offsets, names);
    if (offsets.size() > kMaxTags)
        reader.damaged("too many tags");
    std::vector<IndexTag> tags;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        IndexTag tag;
        tag.name = trimmedName(names.data() + i * 10, 10);
        Reader::Header header = reader.header(offsets[i]);
        tag.expression = header.expression;
        tag.keyLength = header.keyLength;
        try {
            reader.walk(header.root, header.keyLength, tag.records, tag.keys);
            tag.treeReadable = true;
        } catch (const Error&) {
            tag.records.clear();
            tag.keys.clear();
        }
        tags.push_back(std::move(tag));
    }
    return tags;
}

std::string CompoundIndex::build(const std::vector<TagSource>& tags) {
    if (tags.size() > kMaxTags)
        throw Error(ErrorKind::IndexTagLimit, {.number = kMaxTags});
    std::string image(kHeader + kPage, '\0');
    std::vector<std::pair<std::string, std::uint32_t>> directory;
    for (const TagSource& tag : tags) {
        auto headerOffset = static_cast<std::uint32_t>(image.size());
        image.resize(image.size() + kHeader, '\0');
        TreeWriter writer(image, tag.keyLength, tag.maxRecord);
        const auto& order = *tag.order;
        std::uint32_t root = writer.build(
            order.size(), [&](std::size_t i) { return tag.keyOf(order[i]); },
            [&](std::size_t i) { return order[i]; });
        writeHeader(image.data() + headerOffset, root, tag.keyLength, 0x60, tag.expression);
        std::string name = tag.name;
        name.resize(10, ' ');
        directory.emplace_back(name, headerOffset);
    }
    std::sort(directory.begin(), directory.end());
    std::string dirImage(kHeader + kPage, '\0'); // built alone, then copied to its place
    dirImage.resize(kHeader);                    // the directory leaf lands at 1024
    std::uint32_t maxOffset = 0;
    for (auto& entry : directory)
        maxOffset = std::max(maxOffset, entry.second);
    TreeWriter writer(dirImage, 10, maxOffset);
    std::uint32_t root = writer.build(
        directory.size(), [&](std::size_t i) { return directory[i].first.data(); },
        [&](std::size_t i) { return directory[i].second; });
    if (root != kHeader || dirImage.size() != kHeader + kPage)
        throw Error(ErrorKind::DirectoryPageFull, {});
    std::memcpy(image.data() + kHeader, dirImage.data() + kHeader, kPage);
    writeHeader(image.data(), kHeader, 10, 0xE0, "");
    return image;
}

} // namespace dbf
