#pragma once

#include <QHash>
#include <QTextBrowser>
#include <QWidget>

#include "shell/AppContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pekuru {

// The guide's pages as the window shows them: pictures grow with the window as the words do.
class GuideBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit GuideBrowser(QWidget* parent = nullptr);
    void setScale(double scale);
    double scale() const { return scale_; }
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    double scale_ = 1;
};

// ヘルプ ▸ 目次: the guide for children, parents and teachers in a window of its own beside the
// program. A table of contents on the left, the pages on the right, links between them, and a
// search over every page. It never holds up the screen it was opened from.
class FrmHelp : public QWidget {
    Q_OBJECT
  public:
    explicit FrmHelp(AppContext& context, QWidget* parent = nullptr);

    // The folder the guide was found in (empty when there is none).
    QString guideFolder() const { return folder_; }
    // Opens a page of the guide ("child.html#start").
    void open(const QString& page);
    // Looks for `text` from the current place on, in this page and then in the following ones.
    // False when no page holds it.
    bool search(const QString& text, bool backward = false);
    // The page shown now, relative to the guide's folder, with its anchor if any.
    QString currentPage() const;
    // Every page of the guide in the order of its contents (the start page first).
    QStringList pages() const { return pages_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildContents();
    void layoutControls();

    AppContext& ctx_;
    QString folder_;
    QStringList pages_;
    QHash<QString, QString> words_;   // each page's text, for the search
    QHash<QString, QString> titles_;  // each page's first heading
    QLabel *titleLabel = nullptr, *searchLabel = nullptr, *searchResultLabel = nullptr;
    QLineEdit* searchEdit = nullptr;
    QPushButton *findNextButton = nullptr, *findPreviousButton = nullptr;
    QTreeWidget* contentsTree = nullptr;
    GuideBrowser* pageView = nullptr;
    QPushButton *backButton = nullptr, *contentsPageButton = nullptr, *closeButton = nullptr;
};

}  // namespace pekuru
