// Small deflated entries are inflated whole, larger ones streamed: both
// ways must give the same bytes and the same verdict, damaged data included.
#include <gtest/gtest.h>

#include <memory>

#include "archive/ZipCentralRecord.h"
#include "archive/ZipEndRecord.h"
#include "archive/ZipEntryReader.h"
#include "archive/ZipFile.h"
#include "tests/archive/ZipBuilder.h"
#include "tests/support/TestFiles.h"

using namespace ziptest;

namespace {

struct Outcome {
    bool whole = false;  // the whole-buffer inflate gave it
    std::string bytes;
    bool complete = false;
    bool crcMatches = false;
};

// Entry index of the archive at path, whole-buffer first when allowed (as
// the extraction does it), else streamed only.
Outcome Extract(const std::string& path, unsigned index, bool allowWhole)
{
    Outcome outcome;
    CZipFile file;
    CZipEndRecord end;
    EXPECT_TRUE(file.Open(path) && end.Find(file));
    uint64_t position = end.m_directoryOffset;
    CZipCentralRecord record;
    for (unsigned i = 0; i <= index; ++i) {
        EXPECT_TRUE(record.Read(file, position));
        position += record.RecordSize();
    }
    CZipEntryReader reader;
    EXPECT_TRUE(reader.Open(file, record, 0));
    std::unique_ptr<char[]> data;
    size_t size = 0;
    outcome.whole = allowWhole && reader.InflateWhole(data, size);
    if (outcome.whole)
        outcome.bytes.assign(data.get(), size);
    char buffer[5000];
    while (int n = reader.Read(buffer, sizeof buffer)) {
        EXPECT_GT(n, 0);
        if (n < 0)
            break;
        outcome.bytes.append(buffer, (size_t)n);
    }
    outcome.complete = reader.Complete();
    outcome.crcMatches = reader.CrcMatches();
    return outcome;
}

}  // namespace

TEST(ZipWholeInflate, GivesTheStreamedBytesAndVerdictForSoundAndDamagedEntries)
{
    std::string text;
    for (int i = 0; i < 4000; ++i)
        text += "  Floor " + std::to_string(i % 30 + 1) + "  Vx = " + std::to_string(i * 7919 % 100003) + ".5\r\n";
    std::string deflated = Deflate(text);
    std::vector<CBuilderEntry> entries(6);
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].name = "e" + std::to_string(i) + ".txt";
        entries[i].data = text;
    }
    // 1: fails its CRC; 2: declared longer than its stream; 3: declared
    // shorter than its stream; 4: a flipped bit; 5: cut short.
    entries[1].overrideCrc = true;
    entries[1].crc = Crc32(text) ^ 1;
    entries[2].overrideSize = true;
    entries[2].uncompressedSize = (uint32_t)text.size() + 100;
    entries[3].overrideSize = true;
    entries[3].uncompressedSize = (uint32_t)text.size() - 100;
    entries[4].overrideStored = true;
    entries[4].stored = deflated;
    entries[4].stored[deflated.size() / 2] ^= 0x10;
    entries[5].overrideStored = true;
    entries[5].stored = deflated.substr(0, deflated.size() / 2);
    CZipBuilder builder;
    for (const CBuilderEntry& e : entries)
        builder.Add(e);
    tmtest::CTempDir dir;
    std::string path = dir.File("a.zip");
    tmtest::WriteBytes(path, builder.Build());

    const bool sound[] = {true, false, false, false, false, false};
    for (unsigned i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].name);
        Outcome whole = Extract(path, i, true);
        Outcome streamed = Extract(path, i, false);
        EXPECT_EQ(whole.bytes, streamed.bytes);
        EXPECT_EQ(whole.complete, streamed.complete);
        EXPECT_EQ(whole.crcMatches, sound[i]);
        EXPECT_EQ(streamed.crcMatches, sound[i]);
        // Sound data, a wrong CRC and a stream ending early are the whole
        // inflate's own; a stream running past its size, to the streaming.
        if (i <= 2) {
            EXPECT_TRUE(whole.whole);
        } else if (i == 3) {
            EXPECT_FALSE(whole.whole);
        }
    }
}
