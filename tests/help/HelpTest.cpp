// The guide that ヘルプ ▸ 目次 opens: every link leads somewhere, every picture is there and made by
// the screenshot script, every screen is shown; and its window finds, opens, searches and closes.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "help/FrmHelp.h"
#include "help/HelpGuide.h"
#include "support/Accessibility.h"
#include "support/TestWorld.h"
#include "support/TextFit.h"

using namespace pekuru;

namespace {

const QString kGuide = QStringLiteral(PEKURU_GUIDE_DIR);

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct Page {
    QStringList links, anchors, images;
};
Page parse(const QString& file) {
    QTextDocument doc;
    doc.setHtml(readText(QDir(kGuide).filePath(file)));
    Page p;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isAnchor() && !f.anchorHref().isEmpty()) p.links << f.anchorHref();
            p.anchors << f.anchorNames();
            if (f.isImageFormat()) p.images << f.toImageFormat().name();
        }
    return p;
}

// The pictures of a page in their order, with the width each is drawn at.
struct Picture {
    QString name;
    double width;
};
std::vector<Picture> picturesOf(const QTextDocument& doc) {
    std::vector<Picture> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                out.push_back({f.name(), f.width()});
            }
    return out;
}

QStringList pagesOfGuide() {
    return QDir(kGuide).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

}  // namespace

TEST(Guide, EveryLinkLeadsToAPageAndPlaceThatExist) {
    QStringList broken;
    QSet<QString> reached{kGuideStartPage};
    QStringList queue{kGuideStartPage};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString& link : parse(page).links) {
            if (link.contains(QStringLiteral("://")) || link.startsWith(QStringLiteral("mailto:"))) {
                broken << page + QStringLiteral(" → ") + link + QStringLiteral(" (goes outside the guide)");
                continue;
            }
            const QString file =
                link.section(QLatin1Char('#'), 0, 0).isEmpty() ? page : link.section(QLatin1Char('#'), 0, 0);
            const QString anchor = link.section(QLatin1Char('#'), 1);
            if (!QFile::exists(QDir(kGuide).filePath(file))) {
                broken << page + QStringLiteral(" → ") + link + QStringLiteral(" (no such page)");
                continue;
            }
            if (!anchor.isEmpty() && !parse(file).anchors.contains(anchor))
                broken << page + QStringLiteral(" → ") + link + QStringLiteral(" (no such place)");
            if (!reached.contains(file)) {
                reached.insert(file);
                queue << file;
            }
        }
    }
    EXPECT_EQ(broken, QStringList());
    // Every page can be reached from the contents.
    for (const QString& page : pagesOfGuide()) EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST(Guide, EveryPictureIsThereAndShownAndEveryScreenIsShown) {
    QSet<QString> shown;
    for (const QString& page : pagesOfGuide())
        for (const QString& image : parse(page).images) {
            EXPECT_TRUE(QFile::exists(QDir(kGuide).filePath(image)))
                << page.toStdString() << ": " << image.toStdString();
            shown.insert(QFileInfo(image).completeBaseName());
        }
    // No picture lies there unused.
    for (const QString& file : QDir(kGuide + QStringLiteral("/pictures")).entryList(QDir::Files))
        EXPECT_TRUE(shown.contains(QFileInfo(file).completeBaseName()))
            << file.toStdString() << " is not shown";
    // Every screen of the program appears.
    for (const char* screen : {"namesel", "FrmName2", "hub-points", "MainFrm-memorise", "MainFrm-arrange",
                               "MainFrm-checked", "FrmSyuuryou", "FormPrint0", "frmPrint", "FrmPhotos",
                               "FrmReport", "FrmCertificate", "frmver", "FrmHelp"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(screen))) << screen;
    // Each at the program's size. That scripts/refresh-guide-pictures.sh makes exactly these is
    // checked by running it (guide.pictures_remade).
    for (const QString& name : shown) {
        if (name == QStringLiteral("frmver")) continue;  // the about box has a size of its own
        EXPECT_EQ(QImage(kGuide + QStringLiteral("/pictures/") + name + QStringLiteral(".png")).size(),
                  QSize(1024, 768))
            << name.toStdString();
    }
}

TEST(Guide, TheClassroomsOwnGuideComesFirstAndAWindowsHelpFileIsPassedOver) {
    // After the classroom's own guide, the one where this host's build and install put it: on Linux
    // beside the program in the build folder, then the prefix's share/pekuru/help; on Windows the
    // help folder beside pekuru.exe.
    const bool windows = QDir::separator() == QLatin1Char('\\');
    const QStringList folders =
        guideFolders(QStringLiteral("/class/ペクル/"), QStringLiteral("/opt/pekuru/bin"));
    EXPECT_EQ(folders, (windows ? QStringList{"/class/ペクル/help", "/opt/pekuru/bin/help"}
                                : QStringList{"/class/ペクル/help", "/opt/pekuru/bin/help",
                                              "/opt/pekuru/share/pekuru/help"}));

    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("ペクル")), exe = dir.filePath(QStringLiteral("bin"));
    const QString installed = QDir::cleanPath(windows ? exe + QStringLiteral("/help")
                                                      : dir.filePath(QStringLiteral("share/pekuru/help")));
    QDir().mkpath(program);
    QDir().mkpath(installed);
    QFile(installed + QStringLiteral("/index.html")).open(QIODevice::WriteOnly);
    QFile(program + QStringLiteral("/ペクル.HLP")).open(QIODevice::WriteOnly);
    EXPECT_EQ(findGuide(guideFolders(program, exe)), installed);
    QDir().mkpath(program + QStringLiteral("/help"));
    QFile(program + QStringLiteral("/help/index.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(findGuide(guideFolders(program, exe)), program + QStringLiteral("/help"));
    EXPECT_EQ(findGuide({dir.filePath(QStringLiteral("none"))}), QString());
}

// ---- The window ----

namespace {

struct Guide : test::TestWorld {
    std::unique_ptr<FrmHelp> window;
    explicit Guide(bool withGuide = true) : TestWorld(QDate(2024, 5, 10), 10 * 3600.0, 1) {
        g->ProgTitle = QStringLiteral("ペクル");
        g->AppFolder = dir.filePath(QStringLiteral("ペクル/"));
        QDir().mkpath(g->AppFolder);
        // The classroom's own copy of the guide (the test program has none beside it).
        if (withGuide) {
            QDirIterator it(kGuide, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString from = it.next();
                const QString to =
                    g->AppFolder + QStringLiteral("help/") + QDir(kGuide).relativeFilePath(from);
                QDir().mkpath(QFileInfo(to).path());
                QFile::copy(from, to);
            }
        }
        window = std::make_unique<FrmHelp>(*ctx);
    }
    ~Guide() override { window.reset(); }
    template <typename T>
    T* find(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
};

}  // namespace

TEST(GuideWindow, OpensAtTheContentsFollowsEveryLinkAndTheContentsTree) {
    Guide h;
    ASSERT_FALSE(h.window->guideFolder().isEmpty());
    EXPECT_EQ(h.window->currentPage(), kGuideStartPage);
    EXPECT_EQ(h.window->pages().first(), kGuideStartPage);
    EXPECT_EQ(h.window->pages().size(), pagesOfGuide().size());
    auto* browser = h.find<QTextBrowser>("pageView");
    for (const QString& page : h.window->pages())
        for (const QString& link : parse(page).links) {
            h.window->open(page);
            h.window->open(link);
            EXPECT_EQ(browser->source().toString(), link) << page.toStdString();
            EXPECT_FALSE(browser->toPlainText().isEmpty()) << link.toStdString();
        }
    // Each entry of the contents opens its place.
    auto* tree = h.find<QTreeWidget>("contentsTree");
    ASSERT_GE(tree->topLevelItemCount(), 4);
    int entries = 0;
    QString last;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++entries) {
        last = (*it)->data(0, Qt::UserRole).toString();
        Q_EMIT tree->itemActivated(*it, 0);
        EXPECT_EQ(h.window->currentPage(), last);
    }
    EXPECT_GE(entries, 20);
    // 目次のページ comes back to the start; もどる goes back one step, to the place shown before it.
    ASSERT_NE(last, kGuideStartPage);
    h.find<QPushButton>("contentsPageButton")->click();
    EXPECT_EQ(h.window->currentPage(), kGuideStartPage);
    h.find<QPushButton>("backButton")->click();
    EXPECT_EQ(h.window->currentPage(), last);
}

TEST(GuideWindow, SearchesEveryPageAndSaysWhenNothingIsFound) {
    Guide h;
    // From the contents page, a word that only the child's page has.
    EXPECT_TRUE(h.window->search(QStringLiteral("ギブアップ")));
    EXPECT_TRUE(h.window->currentPage().startsWith(QStringLiteral("child.html")));
    EXPECT_EQ(h.find<QTextBrowser>("pageView")->textCursor().selectedText(), QStringLiteral("ギブアップ"));
    EXPECT_TRUE(h.find<QLabel>("searchResultLabel")->text().contains(QStringLiteral("ギブアップ")));
    // A teacher's word, from the child's page on: the search moves on to the teacher's page.
    h.find<QLineEdit>("searchEdit")->setText(QStringLiteral("CSV"));
    QTest::keyClick(h.find<QLineEdit>("searchEdit"), Qt::Key_Return);
    EXPECT_TRUE(h.window->currentPage().startsWith(QStringLiteral("teacher.html")));
    EXPECT_FALSE(h.window->search(QStringLiteral("ここにはない言葉xyz")));
    EXPECT_TRUE(h.find<QLabel>("searchResultLabel")->text().contains(QStringLiteral("見つかりませんでした")));
}

TEST(GuideWindow, WithoutAGuideItSaysWhereItLooked) {
    Guide h(false);
    const QString text = h.find<QTextBrowser>("pageView")->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("見つかりません")));
    EXPECT_TRUE(text.contains(QStringLiteral("help")));
    EXPECT_FALSE(h.find<QPushButton>("findNextButton")->isEnabled());
}

TEST(GuideWindow, FitsEverySizeIsNamedAndClosesWithEscape) {
    double smallestWords = 0;  // the words' size in the smallest window, the one pictures are written for
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
        SCOPED_TRACE(size.width());
        Guide h;
        h.window->resize(size);
        h.window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(test::clippedTexts(h.window.get()), QStringList());
        EXPECT_EQ(test::controlsWithoutName(h.window.get()), QStringList());
        EXPECT_EQ(test::accessibleName(h.find<QWidget>("contentsTree")), QStringLiteral("目次"));
        // On every page, the pictures grow with the window as the words do: by the same factor, in
        // quarter steps, and as written in the smallest window.
        auto* view = h.find<QTextBrowser>("pageView");
        const double words = view->document()->defaultFont().pointSizeF();
        if (size.width() == 1024) smallestWords = words;
        const double grows = words / smallestWords;
        if (size.width() > 1024) {
            EXPECT_GT(grows, 1.25);
        }
        int pictures = 0;
        for (const QString& page : h.window->pages()) {
            SCOPED_TRACE(page.toStdString());
            QTextDocument written;
            written.setHtml(readText(QDir(kGuide).filePath(page)));
            h.window->open(page);
            const std::vector<Picture> asWritten = picturesOf(written), shown = picturesOf(*view->document());
            ASSERT_EQ(shown.size(), asWritten.size());
            for (std::size_t i = 0; i < shown.size(); ++i, ++pictures) {
                EXPECT_EQ(shown[i].name, asWritten[i].name);
                if (size.width() == 1024) {
                    EXPECT_EQ(shown[i].width, asWritten[i].width) << shown[i].name.toStdString();
                } else {
                    EXPECT_NEAR(shown[i].width, asWritten[i].width * grows, asWritten[i].width / 8 + 1)
                        << shown[i].name.toStdString();
                }
            }
        }
        EXPECT_GT(pictures, 0);
    }
    Guide h;
    h.screens.registerScreen(Screen::FrmHelp,
                             [](AppContext& c) { return makeBareScreen(c, QStringLiteral("FrmHelp"), {}); });
    h.screens.show(Screen::FrmHelp);
    ASSERT_NE(h.screens.loaded(Screen::FrmHelp), nullptr);
    QTest::keyClick(h.window.get(), Qt::Key_Escape);
    EXPECT_EQ(h.screens.loaded(Screen::FrmHelp), nullptr);  // closed through the flow
}
