// Runs every fuzzing entry over its seed corpus and a fixed series of made-up
// and mutated inputs, so the rules the fuzzers check are kept on every build
// without a fuzzer.

#include "FuzzEntries.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int generatedInputs = 200'000;

struct BrokenRule : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void throwBrokenRule(const char *rule) { throw BrokenRule(rule); }

std::vector<std::string> seedsOf(const char *entry)
{
    std::vector<std::string> seeds;
    const QDir folder(QStringLiteral(FUZZ_CORPUS_DIR "/") + entry);
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.push_back(file.readAll().toStdString());
    }
    return seeds;
}

// Pieces that parsers of numbers, dates, separated lines, headers and HTTP answers react to.
const std::vector<std::string> pieces = {"0",
                                         "1",
                                         "5",
                                         "9",
                                         "00",
                                         "12",
                                         "29",
                                         "30",
                                         "99",
                                         "2001",
                                         "0099",
                                         "9999",
                                         "12.5",
                                         "1e3",
                                         "E-05",
                                         "e400",
                                         "1.7976931348623157e308",
                                         "4.9e-324",
                                         "9007199254740993",
                                         ".",
                                         "-",
                                         "+",
                                         "e",
                                         "E",
                                         " ",
                                         "  ",
                                         "\t",
                                         ",",
                                         ";",
                                         "/",
                                         "-",
                                         "\r\n",
                                         "\n",
                                         "Jan",
                                         "feb",
                                         "MAR",
                                         "September",
                                         "Sept",
                                         "Ja",
                                         "May,",
                                         "#",
                                         "Buy #",
                                         "sell",
                                         ":",
                                         "\"",
                                         "Status:",
                                         "Date,Open,High,Low,Close,Volume\n",
                                         "32767",
                                         "-32768",
                                         "32768",
                                         "0.00",
                                         "####0.0",
                                         "###.00",
                                         "dd",
                                         "mmm",
                                         "yyyy",
                                         "d",
                                         "m",
                                         "yy",
                                         "HTTP/1.1 200 OK\r\n",
                                         "Content-Length: ",
                                         "Transfer-Encoding: chunked\r\n",
                                         "\r\n\r\n",
                                         "\xc3\xa4",
                                         "\xef\xbf\xbd",
                                         "\xf0\x9f\x98\x80",
                                         "\xff",
                                         std::string(1, '\0')};

// Made-up inputs from a fixed seed: the same series on every run and machine.
class InputMaker {
public:
    explicit InputMaker(std::vector<std::string> seeds) : seeds_(std::move(seeds)) {}

    std::string next()
    {
        switch (below(4)) {
        case 0: return piecesJoined();
        case 1: return randomBytes();
        case 2: return mutated(seeds_[below(seeds_.size())]);
        default: return spliced();
        }
    }

private:
    size_t below(size_t bound) { return size_t(random_() % bound); }

    std::string piecesJoined()
    {
        std::string input;
        for (size_t count = 1 + below(12); count > 0; --count)
            input += below(20) == 0 ? std::string(1 + below(400), char('0' + below(10))) : pieces[below(pieces.size())];
        return input;
    }

    std::string randomBytes()
    {
        std::string input(below(40), '\0');
        for (char &byte : input)
            byte = char(random_());
        return input;
    }

    std::string mutated(std::string input)
    {
        for (size_t count = 1 + below(4); count > 0; --count) {
            const size_t at = below(input.size() + 1);
            switch (below(4)) {
            case 0:
                if (at < input.size())
                    input[at] = char(random_());
                break;
            case 1: input.insert(at, pieces[below(pieces.size())]); break;
            case 2: input.erase(at, below(8)); break;
            default: input.insert(at, input.substr(at, below(16))); break;
            }
        }
        return input;
    }

    std::string spliced()
    {
        const std::string &head = seeds_[below(seeds_.size())];
        const std::string &tail = seeds_[below(seeds_.size())];
        return head.substr(0, below(head.size() + 1)) + tail.substr(below(tail.size() + 1));
    }

    std::vector<std::string> seeds_;
    std::mt19937_64 random_{0x5eed};
};

std::string printable(const std::string &input)
{
    std::string text;
    for (const unsigned char byte : input) {
        if (byte >= 0x20 && byte < 0x7f && byte != '\\') {
            text += char(byte);
        } else {
            static const char hex[] = "0123456789abcdef";
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 15];
        }
    }
    return text;
}

class FuzzReplay : public ::testing::TestWithParam<FuzzEntry> {
protected:
    void SetUp() override { setFuzzFailureHandler(throwBrokenRule); }
    void TearDown() override { setFuzzFailureHandler(nullptr); }

    // False after the first broken rule, which is reported with its input.
    bool keepsRules(const std::string &input)
    {
        try {
            GetParam().run(reinterpret_cast<const uint8_t *>(input.data()), input.size());
            return true;
        } catch (const BrokenRule &rule) {
            ADD_FAILURE() << rule.what() << " for \"" << printable(input) << '"';
            return false;
        }
    }
};

}   // namespace

// Names the entry in test output and CTest listings.
void PrintTo(const FuzzEntry &entry, std::ostream *out) { *out << entry.name; }

TEST_P(FuzzReplay, SeedsAndMadeUpInputsKeepEveryRule)
{
    std::vector<std::string> seeds = seedsOf(GetParam().name);
    ASSERT_FALSE(seeds.empty()) << "no seeds for " << GetParam().name;
    for (const std::string &seed : seeds) {
        if (!keepsRules(seed))
            return;
    }
    InputMaker maker(std::move(seeds));
    for (int i = 0; i < generatedInputs; ++i) {
        if (!keepsRules(maker.next()))
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Parsers, FuzzReplay, ::testing::ValuesIn(fuzzEntries().begin(), fuzzEntries().end()),
                         [](const ::testing::TestParamInfo<FuzzEntry> &info) { return std::string(info.param.name); });
