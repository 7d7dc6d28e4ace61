// A folder of fifty thousand pictures: listed in order, and shown right up to its last entries.
#include <unistd.h>

#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

constexpr int kCount = 50000;

class BigFolder : public HostileShow {
protected:
    // f0.jpg to f49999.jpg: links to one tiny picture, but for the last two, which have sizes of
    // their own so that showing them can be told from showing any other entry.
    void fill()
    {
        write("f0.jpg", hostile::solid(QSize(2, 2), Qt::red, "JPEG"));
        for (int i = 1; i < kCount - 2; ++i)
            ASSERT_EQ(::link(path("f0.jpg").c_str(), path(name(i)).c_str()), 0) << name(i);
        write(name(kCount - 2), hostile::solid(QSize(20, 10), Qt::red, "JPEG"));
        write(name(kCount - 1), hostile::solid(QSize(20, 11), Qt::red, "JPEG"));
    }

    static std::string name(int i) { return "f" + std::to_string(i) + ".jpg"; }

    // As the user types a start number into the text box.
    void typeStart(const std::string& text)
    {
        form.Text1.GotFocus.raise();
        form.Text1.setText(text);
        form.Text1.LostFocus.raise();
    }
};

TEST_F(BigFolder, ShowsTheEntriesNearItsEndInOrderAndCountsThemAll)
{
    fill();
    openFolder();
    ASSERT_EQ(form.File1.listCount(), kCount);

    typeStart("49998");
    EXPECT_EQ(form.state.mFileIndex, kCount - 2);
    go();
    EXPECT_EQ(form.File1.fileName(), name(kCount - 2));
    EXPECT_EQ(shownSize(), QSize(20, 10));
    tick();
    EXPECT_EQ(form.File1.fileName(), name(kCount - 1));
    EXPECT_EQ(shownSize(), QSize(20, 11));
    EXPECT_EQ(form.state.mFileIndex, 0);
    stop();
    EXPECT_NE(form.Text1.text().find("49999"), std::string::npos) << form.Text1.text();
    EXPECT_NE(form.Text1.text().find("50000"), std::string::npos) << form.Text1.text();

    go();
    EXPECT_EQ(form.File1.fileName(), "f0.jpg");
    EXPECT_EQ(shownSize(), QSize(2, 2));
    stop();

    form.File1.setListIndex(kCount - 1);
    go();
    EXPECT_EQ(shownSize(), QSize(20, 11));
    EXPECT_EQ(form.state.gShownCount, 4);
}

}  // namespace
