#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

QString besideThePrograms(const QString& name) {
    return QCoreApplication::applicationDirPath() + '/' + name;
}

struct Wave {
    int rate = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    int peak() const {
        int p = 0;
        for (std::int16_t s : samples) p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    }
    // The pitch, from the rising zero crossings; the overtones are too weak to add crossings of their own.
    double pitch() const {
        int rising = 0;
        for (std::size_t i = 1; i < samples.size(); ++i)
            if (samples[i - 1] < 0 && samples[i] >= 0) ++rising;
        return rising / seconds();
    }
};

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

// Reads a canonical 16-bit mono PCM file: RIFF, a 16-byte "fmt " chunk, then "data" up to the end.
std::optional<Wave> readPcm(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray b = file.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt ") return std::nullopt;
    if (le(b, 4, 4) != static_cast<std::uint32_t>(b.size() - 8) || le(b, 16, 4) != 16) return std::nullopt;
    const auto format = le(b, 20, 2), channels = le(b, 22, 2), rate = le(b, 24, 4);
    const auto byteRate = le(b, 28, 4), frame = le(b, 32, 2), bits = le(b, 34, 2);
    if (format != 1 || channels != 1 || bits != 16 || frame != 2 || byteRate != rate * 2) return std::nullopt;
    if (b.mid(36, 4) != "data" || le(b, 40, 4) != static_cast<std::uint32_t>(b.size() - 44))
        return std::nullopt;
    Wave wave;
    wave.rate = static_cast<int>(rate);
    for (qsizetype at = 44; at + 1 < b.size(); at += 2)
        wave.samples.push_back(static_cast<std::int16_t>(le(b, at, 2)));
    return wave;
}

class SoundFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SoundFileTest, IsShortQuietPcm) {
    const std::optional<Wave> wave = readPcm(besideThePrograms(GetParam()));
    ASSERT_TRUE(wave) << GetParam() << " is missing or no 16-bit mono PCM file";
    EXPECT_GT(wave->seconds(), 0.01);
    EXPECT_LT(wave->seconds(), 0.25);
    EXPECT_GT(wave->peak(), 32767 / 20) << "audible";
    EXPECT_LT(wave->peak(), 32767 / 2) << "quiet";
    // Starts and ends at rest, so playing it cuts in and out without a crack.
    EXPECT_LT(std::abs(static_cast<int>(wave->samples.front())), 200);
    EXPECT_LT(std::abs(static_cast<int>(wave->samples.back())), 200);
}

INSTANTIATE_TEST_SUITE_P(Names, SoundFileTest,
                         ::testing::Values("chma.wav", "chma00.wav", "chma01.wav", "chma02.wav", "chma03.wav",
                                           "chma04.wav", "chma05.wav", "chma06.wav", "chma07.wav",
                                           "chma08.wav", "chma09.wav", "chma10.wav", "chma11.wav"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(SoundFilesTest, GlyphTonesRiseInCycleOrderAndTheBlankIsLowest) {
    std::vector<double> pitches;
    for (int i = 0; i <= 11; ++i) {
        const std::optional<Wave> wave = readPcm(besideThePrograms(QString::asprintf("chma%02d.wav", i)));
        ASSERT_TRUE(wave);
        pitches.push_back(wave->pitch());
    }
    // Each step of the scale is at least a whole tone, about 12 % higher than the one before.
    for (int i = 1; i <= 10; ++i) EXPECT_GT(pitches[i], pitches[i - 1] * 1.1) << "chma" << i;
    for (int i = 0; i <= 10; ++i) EXPECT_LT(pitches[11], pitches[i] * 0.6) << "blank against chma" << i;
}

TEST(SoundFilesTest, ClickIsTheShortestSound) {
    const std::optional<Wave> click = readPcm(besideThePrograms("chma.wav"));
    const std::optional<Wave> tone = readPcm(besideThePrograms("chma00.wav"));
    ASSERT_TRUE(click && tone);
    EXPECT_LT(click->seconds() * 3, tone->seconds());
}

TEST(ReadmeTest, LiesBesideTheProgramAsUtf8InBothLanguages) {
    QFile file(besideThePrograms("Readme.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    EXPECT_FALSE(utf8.hasError());
    for (const char* word : {"ポルポルMoxel!", "描画モード", "Drawing modes", "TextOut", "GridLine", "New",
                             "Load", "Save", ".qvx"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
}

}  // namespace
