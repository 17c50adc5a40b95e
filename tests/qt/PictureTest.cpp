// Pictures: the artwork is in the program, and a page renders whole to PNG.
#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Agent.h"
#include "platform/qt/QtSupport.h"
#include "tests/qt/QtTestEnvironment.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

TEST(Artwork, EveryPictureOfTheTemplatesIsThere) {
    for (int id : {128, 150, 153, 169, 170, 171, 172, 177}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(QFile::exists(ImageResource(id)));
    }
    EXPECT_TRUE(ImageResource(999).isEmpty());
}

class ShotAgent : public Agent {
  public:
    explicit ShotAgent(std::string path) : m_path(std::move(path)) {}
    void PageShown(Dialog&) override {}
    void Step(Dialog& page) override {
        written = page.GetWindow()->Screenshot(m_path);
        page.EndDialog(kIdOk);
    }
    bool written = false;

  private:
    std::string m_path;
};

QImage Shoot(int templateId, const QString& file) {
    ShotAgent agent(file.toStdString());
    SetHost(&Environment().GetHost());
    SetAgent(&agent);
    struct Page : Dialog {
        explicit Page(int id) : Dialog(id) {}
        const char* ClassName() const override { return "CPage"; }
    };
    if (templateId == TestTemplate().id) {
        TestPage page;
        page.DoModal();
    } else {
        Page page(templateId);
        page.DoModal();
    }
    SetAgent(nullptr);
    SetHost(nullptr);
    EXPECT_TRUE(agent.written);
    return QImage(file);
}

TEST(Screenshot, PageRendersWithHeaderAndLogo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int id : {135, TestTemplate().id}) {
        SCOPED_TRACE(id);
        const QString file = dir.filePath(QStringLiteral("page%1.png").arg(id));
        const QImage image = Shoot(id, file);
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(QFileInfo(file).size(), 1000);
        EXPECT_EQ(image.width(), DluToPxX(358) * image.devicePixelRatio());
        EXPECT_EQ(image.height(), DluToPxY(280) * image.devicePixelRatio());
        // The header is white; the logo right of it draws something that is not white.
        EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
        int inked = 0;
        for (int x = DluToPxX(206); x < DluToPxX(358); ++x)
            for (int y = 0; y < DluToPxY(38); ++y)
                inked += QColor(image.pixel(x, y)).lightness() < 128 ? 1 : 0;
        EXPECT_GT(inked, 100);
    }
}

TEST(Labels, WrappedLinesFitAndKeepEveryWord) {
    const QFontMetrics metrics(QApplication::font());
    struct Case {
        const char* text;
        int width;
        int minLines, maxLines;
    } const cases[] = {
        {"kurz", 200, 1, 1},
        {"ein ziemlich langer Text mit vielen W\xC3\xB6rtern", 60, 3, 8},
        {"Zeile\nzwei", 200, 2, 2},
        {"&&Mnemonic z\xC3\xA4hlt nicht", 1000, 1, 1},
        {"Wort\xC3\xBC"
         "berl\xC3\xA4nge",
         5, 1, 1}, // a single word is never split
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        const QStringList lines = WrapLabel(text, metrics, c.width).split(u'\n');
        EXPECT_GE(lines.size(), c.minLines);
        EXPECT_LE(lines.size(), c.maxLines);
        for (const QString& line : lines) {
            if (line.contains(u' ')) {
                EXPECT_LE(metrics.horizontalAdvance(
                              QString(line).replace(QStringLiteral("&&"), QStringLiteral("&"))),
                          c.width);
            }
        }
        EXPECT_EQ(lines.join(u' '), QString(text).replace(u'\n', u' '));
    }
}

TEST(FileDialogs, ClassicFiltersBecomeQtFilters) {
    struct Case {
        const char* classic;
        QStringList expected;
    } const cases[] = {
        {"Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||",
         {QStringLiteral("Textdatei (*.txt)"), QStringLiteral("Alle Dateien (*)")}},
        {"Texte|*.txt;*.htm||", {QStringLiteral("Texte (*.txt *.htm)")}},
        {"", {}},
        {"Nur Name|", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.classic);
        EXPECT_EQ(NameFilters(c.classic), c.expected);
    }
}

} // namespace
} // namespace mirel::qt::test
