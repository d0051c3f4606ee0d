// Books as a user meets them: opening and reading each kind of file, the
// jump widgets after a load, the warnings of a refused book or a missing
// mode, and the folder operations (choose, import, delete, refresh).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/e2e/harness/program_fixture.h"
#include "tests/e2e/harness/sample_books.h"
#include "tests/e2e/harness/text_win32.h"
#include "tests/e2e/harness/wait.h"

namespace tq::e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
// The open-file dialog's file-name box (a combo box with an edit in it).
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
// A dwell long enough that no tick comes between a step and its check.
constexpr char kLongDwell[] = "59";

const Text kPanelCaption = "控制面板";

class BooksTest : public ProgramTest {
protected:
    // The book folder is the run's own folder; width 10 bytes.
    bool write_settings(const Text& dwell) {
        return program.write_ini("[初始化]\r\n文件框=" + to_text(program.folder()) +
                                 "\\\r\n单次显示字数=10\r\n停留时间=" + dwell + "\r\n");
    }

    HWND control(int id) const { return program.control(id); }
    Text caption() const { return window_text(program.panel()); }

    int index_of(const Text& name) const {
        const std::vector<Text> items = list_items(control(id::kFileList));
        const auto it = std::find(items.begin(), items.end(), name);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

    bool listed(const Text& name) const { return index_of(name) >= 0; }

    void select_book(const Text& name) {
        const int index = index_of(name);
        ASSERT_GE(index, 0) << name << " is not listed";
        ASSERT_TRUE(select_list_item(control(id::kFileList), index));
    }

    void choose_caption_mode() {
        ASSERT_TRUE(click(control(id::kModeCaption)));
        ASSERT_TRUE(is_checked(control(id::kModeCaption)));
    }

    bool caption_becomes(const Text& expected) {
        return wait_until([&] { return caption() == expected; });
    }

    // The full path the program forms for a book of its folder.
    Text book_path(const Text& name) const { return to_text(program.folder()) + "\\" + name; }

    Text jump_label() const { return window_text(control(id::kLabelJump)); }
    Text jump_field() const { return window_text(control(id::kJumpEdit)); }
};

// --- reading the shipped samples in the caption mode ------------------------

struct SampleRow {
    const char* name;
    SampleBook book;
    // Line 1 cut at 10 bytes; a byte-order mark arrives as "?" in front.
    const char* first;
    const char* second;
};

class SampleReading : public BooksTest, public ::testing::WithParamInterface<SampleRow> {};

TEST_P(SampleReading, TicksPagesAndJumpsThroughTheFirstLines) {
    const SampleRow& row = GetParam();
    ASSERT_TRUE(program.copy_sample(row.book.file_name));
    ASSERT_TRUE(write_settings("1"));
    start_program();
    choose_caption_mode();
    select_book(to_text(row.book.file_name));
    ASSERT_TRUE(click(control(id::kStartReading)));

    EXPECT_EQ(caption(), row.first);
    EXPECT_EQ(jump_label(), "跳转到（行）：\r\n1-" + std::to_string(row.book.line_count));
    // The first tick comes one dwell later.
    ASSERT_TRUE(caption_becomes(row.second)) << "saw " << caption();
    ASSERT_TRUE(set_window_text(control(id::kDwellEdit), kLongDwell));

    // Line 2 is empty: the step shows nothing and skips on to line 3.
    ASSERT_TRUE(click(control(id::kNextPage)));
    EXPECT_EQ(caption(), row.second);
    ASSERT_TRUE(click(control(id::kNextPage)));
    EXPECT_EQ(caption(), "quil 样书");
    ASSERT_TRUE(click(control(id::kPreviousPage)));
    EXPECT_EQ(caption(), "作者：Tarn");

    // Line 5 is "第一章  雾里的灯": the jump shows nothing, the next step
    // shows its second segment.
    ASSERT_TRUE(set_window_text(control(id::kJumpEdit), "5"));
    ASSERT_TRUE(click(control(id::kJump)));
    EXPECT_EQ(caption(), "作者：Tarn");
    ASSERT_TRUE(click(control(id::kNextPage)));
    EXPECT_EQ(caption(), "里的灯");
    ASSERT_TRUE(click(control(id::kPreviousPage)));
    EXPECT_EQ(caption(), "第一章  雾");
    EXPECT_TRUE(no_message_box(program.process_id()));
}

INSTANTIATE_TEST_SUITE_P(
    Books, SampleReading,
    ::testing::Values(SampleRow{"GbkCrLf", kSampleGbk, "灯塔与 TQ-", "7 号电台"},
                      SampleRow{"Utf8WithMark", kSampleUtf8Bom, "?灯塔与 TQ", "-7 号电台"},
                      SampleRow{"Utf8WithoutMark", kSampleUtf8, "灯塔与 TQ-", "7 号电台"},
                      SampleRow{"Utf16LeWithMark", kSampleUtf16Le, "?灯塔与 TQ", "-7 号电台"}),
    [](const ::testing::TestParamInfo<SampleRow>& info) { return std::string(info.param.name); });

// --- a refused book ----------------------------------------------------------

TEST_F(BooksTest, BigEndianBookWarnsAndTheEarlierBookStartsAgain) {
    // Line 1 cuts into [天地玄黄宇] [宙洪荒日月].
    ASSERT_TRUE(program.write_file(L"a.txt", "天地玄黄宇宙洪荒日月\r\nabc\r\n"));
    ASSERT_TRUE(program.write_file(L"be.txt", Bytes("\xFE\xFF\x00\x41\x00\x0D\x00\x0A", 8)));
    ASSERT_TRUE(write_settings(kLongDwell));
    start_program();
    choose_caption_mode();
    select_book("a.txt");
    ASSERT_TRUE(click(control(id::kStartReading)));
    ASSERT_EQ(caption(), "天地玄黄宇");
    ASSERT_TRUE(click(control(id::kNextPage)));
    ASSERT_EQ(caption(), "宙洪荒日月");

    select_book("be.txt");
    click_async(control(id::kStartReading));
    const auto box = wait_for_message_box(program.process_id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "警告");
    EXPECT_EQ(box->text, "无法转换到ANSI的编码格式，请自行转换！");
    EXPECT_TRUE(has_button(box->box, IDOK));
    EXPECT_FALSE(has_button(box->box, IDCANCEL));
    ASSERT_TRUE(answer_message_box(box->box, IDOK));

    EXPECT_TRUE(caption_becomes("天地玄黄宇")) << "saw " << caption();
    EXPECT_TRUE(wait_until([&] { return jump_label() == "跳转到（行）：\r\n1-2"; }))
        << jump_label();
    ASSERT_TRUE(click(control(id::kNextPage)));
    EXPECT_EQ(caption(), "宙洪荒日月");
    ASSERT_TRUE(click(control(id::kNextPage)));
    EXPECT_EQ(caption(), "abc");
}

// --- line counts after a load ------------------------------------------------

struct LineCountRow {
    const char* name;
    Bytes content;
    const char* count;
};

Bytes numbered_lines(int count) {
    Bytes text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

class BookLineCount : public BooksTest, public ::testing::WithParamInterface<LineCountRow> {};

TEST_P(BookLineCount, LabelAndJumpFieldShowTheRange) {
    ASSERT_TRUE(program.write_file(L"book.txt", GetParam().content));
    ASSERT_TRUE(write_settings(kLongDwell));
    start_program();
    choose_caption_mode();
    // A range other than the one expected, so that the check below sees the new load.
    ASSERT_TRUE(set_window_text(control(id::kJumpEdit), "7"));
    ASSERT_EQ(jump_field(), "7");
    select_book("book.txt");
    ASSERT_TRUE(click(control(id::kStartReading)));
    EXPECT_EQ(jump_label(), Text("跳转到（行）：\r\n1-") + GetParam().count);
    EXPECT_EQ(jump_field(), "1");
    EXPECT_TRUE(no_message_box(program.process_id()));
}

INSTANTIATE_TEST_SUITE_P(
    Books, BookLineCount,
    ::testing::Values(LineCountRow{"LfOnlyIsOneLine", "one\ntwo\nthree\n", "1"},
                      LineCountRow{"TwoHundredFiftyLines", numbered_lines(250), "250"},
                      LineCountRow{"EmptyMiddleLineCounts", "a\r\n\r\nb\r\n", "3"},
                      LineCountRow{"LeadingCrLfIsAnEmptyLine", "\r\na\r\nb", "3"},
                      LineCountRow{"ByteOneAEndsTheText", "a\r\nb\x1A\r\nc\r\nd\r\n", "2"},
                      // With a mark, as the statistics take a zero byte for UTF-16.
                      LineCountRow{"ZeroByteEndsAUtf8Text",
                                   Bytes("\xEF\xBB\xBF" "a\r\nb\r\nc\0\r\nd\r\ne\r\n", 19), "3"}),
    [](const ::testing::TestParamInfo<LineCountRow>& info) {
        return std::string(info.param.name);
    });

TEST_F(BooksTest, NoModeSelectedGivesANoticeAndStillUpdatesTheJumpWidgets) {
    ASSERT_TRUE(program.write_file(L"book.txt", "abc\r\ndef\r\nghi\r\n"));
    ASSERT_TRUE(write_settings("1"));
    start_program();
    select_book("book.txt");
    click_async(control(id::kStartReading));
    const auto box = wait_for_message_box(program.process_id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "提示");
    EXPECT_EQ(box->text, "你没有选择阅读模式！");
    EXPECT_TRUE(has_button(box->box, IDOK));
    ASSERT_TRUE(answer_message_box(box->box, IDOK));

    EXPECT_TRUE(wait_until([&] { return jump_label() == "跳转到（行）：\r\n1-3"; }))
        << jump_label();
    EXPECT_EQ(jump_field(), "1");
    // The timer stays stopped: nothing appears in the caption, no end-of-book box.
    EXPECT_TRUE(holds_for([&] { return caption() == kPanelCaption &&
                                       no_message_box(program.process_id()); },
                          Milliseconds{1500}));
}

// --- folder operations -------------------------------------------------------

std::vector<HWND> visible_dialogs(DWORD process_id) {
    std::vector<HWND> found;
    for (HWND dialog : top_windows_of_class(process_id, kDialogClass))
        if (IsWindowVisible(dialog)) found.push_back(dialog);
    return found;
}

HWND wait_for_dialog(DWORD process_id) {
    HWND dialog = nullptr;
    wait_until([&] {
        const std::vector<HWND> found = visible_dialogs(process_id);
        dialog = found.empty() ? nullptr : found.front();
        return dialog != nullptr;
    }, kStartTimeout);
    return dialog;
}

TEST_F(BooksTest, CancellingTheFolderBrowserWarnsAndChangesNothing) {
    ASSERT_TRUE(program.write_file(L"book.txt", "abc\r\n"));
    ASSERT_TRUE(write_settings("1"));
    start_program();
    const Text folder_text = window_text(control(id::kFolderEdit));
    const Text folder_key = program.read_ini("初始化", "文件框");
    ASSERT_EQ(folder_key, to_text(program.folder()) + "\\");

    click_async(control(id::kChooseFolder));
    HWND browser = wait_for_dialog(program.process_id());
    ASSERT_NE(browser, nullptr) << "no folder browser appeared";
    EXPECT_EQ(window_text(GetDlgItem(browser, 0xFFFF)), "");  // not a message box
    ASSERT_TRUE(answer_message_box(browser, IDCANCEL));

    const auto box = wait_for_message_box(program.process_id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "警告");
    EXPECT_EQ(box->text, "无效的文件夹！");
    ASSERT_TRUE(answer_message_box(box->box, IDOK));

    EXPECT_EQ(window_text(control(id::kFolderEdit)), folder_text);
    EXPECT_EQ(program.read_ini("初始化", "文件框"), folder_key);
    EXPECT_TRUE(listed("book.txt"));
}

TEST_F(BooksTest, ImportingTwoFilesCopiesBothAndOverwritesTheSameName) {
    ASSERT_TRUE(program.write_file(L"src\\a.txt", "new a\r\n"));
    ASSERT_TRUE(program.write_file(L"src\\b.txt", "new b\r\n"));
    ASSERT_TRUE(program.write_file(L"b.txt", "old b\r\n"));
    ASSERT_TRUE(write_settings("1"));
    start_program();
    ASSERT_FALSE(listed("a.txt"));

    click_async(control(id::kImportBooks));
    HWND dialog = wait_for_dialog(program.process_id());
    ASSERT_NE(dialog, nullptr) << "no open-file dialog appeared";
    HWND name_box = find_control(dialog, kFileNameCombo);
    if (!name_box) name_box = find_control(dialog, kFileNameEdit);
    ASSERT_NE(name_box, nullptr) << "no file-name box in the dialog";

    // A folder typed into the name box and confirmed opens that folder.
    ASSERT_TRUE(set_window_text(name_box, to_text(program.file(L"src"))));
    ASSERT_TRUE(send_message(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)).has_value());
    ASSERT_TRUE(IsWindow(dialog));
    ASSERT_TRUE(set_window_text(name_box, "\"a.txt\" \"b.txt\""));
    ASSERT_TRUE(send_message(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)).has_value());

    EXPECT_TRUE(wait_until([&] { return listed("a.txt") && listed("b.txt"); }));
    EXPECT_EQ(program.read_file(L"a.txt"), "new a\r\n");
    EXPECT_EQ(program.read_file(L"b.txt"), "new b\r\n");
    EXPECT_TRUE(no_message_box(program.process_id())) << "asked or warned during the import";
}

struct DeleteRow {
    const char* name;
    int answer;
    bool deleted;
};

class DeletingABook : public BooksTest, public ::testing::WithParamInterface<DeleteRow> {};

TEST_P(DeletingABook, AsksFirstAndDeletesOnlyOnOk) {
    const DeleteRow& row = GetParam();
    ASSERT_TRUE(program.write_file(L"gone.txt", "abc\r\n"));
    ASSERT_TRUE(program.write_file(L"kept.txt", "def\r\n"));
    ASSERT_TRUE(write_settings("1"));
    start_program();
    select_book("gone.txt");
    const Text path = book_path("gone.txt");

    click_async(control(id::kDeleteBook));
    const auto question = wait_for_message_box(program.process_id());
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(question->title, "提示");
    EXPECT_EQ(question->text, "确定删除" + path + "？");
    EXPECT_TRUE(has_button(question->box, IDOK));
    EXPECT_TRUE(has_button(question->box, IDCANCEL));
    ASSERT_TRUE(answer_message_box(question->box, row.answer));

    if (row.deleted) {
        const auto report = wait_for_message_box(program.process_id());
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->title, "提示");
        EXPECT_EQ(report->text, "删除" + path + "成功");
        ASSERT_TRUE(answer_message_box(report->box, IDOK));
        EXPECT_TRUE(wait_until([&] { return !listed("gone.txt"); }));
        EXPECT_EQ(list_selection(control(id::kFileList)), -1);
        EXPECT_EQ(GetFileAttributesW(program.file(L"gone.txt").c_str()),
                  INVALID_FILE_ATTRIBUTES);
    } else {
        EXPECT_TRUE(holds_for([&] { return no_message_box(program.process_id()); },
                              Milliseconds{500}));
        EXPECT_TRUE(listed("gone.txt"));
        EXPECT_EQ(program.read_file(L"gone.txt"), "abc\r\n");
    }
    EXPECT_TRUE(listed("kept.txt"));
}

INSTANTIATE_TEST_SUITE_P(Books, DeletingABook,
                         ::testing::Values(DeleteRow{"Ok", IDOK, true},
                                           DeleteRow{"Cancel", IDCANCEL, false}),
                         [](const ::testing::TestParamInfo<DeleteRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BooksTest, ListSkipsHiddenSystemAndFoldersAndKeepsTheSelectionOnRefresh) {
    struct FileRow {
        const char* name;
        DWORD attributes;
        bool listed;
    };
    const FileRow files[] = {
        {"normal.txt", FILE_ATTRIBUTE_NORMAL, true},
        {"readonly.txt", FILE_ATTRIBUTE_READONLY, true},
        {"archived.txt", FILE_ATTRIBUTE_ARCHIVE, true},
        {"hidden.txt", FILE_ATTRIBUTE_HIDDEN, false},
        {"system.txt", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const FileRow& row : files) {
        const std::wstring name = to_wide(row.name);
        ASSERT_TRUE(program.write_file(name, "abc\r\n"));
        ASSERT_TRUE(SetFileAttributesW(program.file(name).c_str(), row.attributes)) << row.name;
    }
    ASSERT_TRUE(program.write_file(L"folder.txt\\inside.txt", "abc\r\n"));
    ASSERT_TRUE(write_settings("1"));
    start_program();

    for (const FileRow& row : files) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(listed(row.name), row.listed);
    }
    EXPECT_FALSE(listed("folder.txt"));

    select_book("readonly.txt");
    ASSERT_TRUE(click(control(id::kRefresh)));
    EXPECT_EQ(list_selection(control(id::kFileList)), index_of("readonly.txt"));
    EXPECT_GE(index_of("readonly.txt"), 0);
}

}  // namespace
}  // namespace tq::e2e
