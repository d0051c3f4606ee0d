#include "books/folder_ops.h"

#include "books/book_list.h"

namespace tq {

namespace {

constexpr const char* kWarningTitle = "警告";
constexpr const char* kNoticeTitle = "提示";
constexpr std::string_view kPathSeparator = "\r\n";

}  // namespace

void choose_book_folder(BookFolderPorts& ports) {
    const Text folder = ports.dialogs.browse_for_folder();
    if (ports.files.is_existing_folder(folder)) {
        ports.controls.set_folder_text(folder);
        ports.controls.set_list_folder(folder);
        ports.config.write_config_value(kBookFolderSection, kBookFolderKey, folder);
    } else {
        // Also the answer to a cancelled browser, which gives an empty path.
        ports.messages.show("无效的文件夹！", kWarningTitle, MessageButtons::Ok,
                            MessageIcon::Exclamation);
    }
    ports.controls.refresh_book_list();
}

void import_books(BookFolderPorts& ports) {
    const TextArray sources = split_text(ports.dialogs.ask_for_import_files(), kPathSeparator);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const Text source = sources.text(i);
        // A stray empty line names no file; copying "" would only warn about
        // nothing.
        if (source.empty()) continue;
        const Text target =
            join_book_path(ports.controls.folder_text(), ports.files.file_name_of(source));
        if (!ports.files.copy_file(source, target)) {
            ports.messages.show("导入文件" + source + "失败！", kWarningTitle, MessageButtons::Ok,
                                MessageIcon::Exclamation);
        }
    }
    ports.controls.refresh_book_list();
}

void delete_selected_book(BookFolderPorts& ports) {
    const Text path =
        selected_book_path(ports.controls.folder_text(), ports.controls.selected_name());
    ports.files.beep();
    const MessageAnswer answer = ports.messages.show(
        "确定删除" + path + "？", kNoticeTitle, MessageButtons::OkCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Ok) {
        if (ports.files.delete_file(path)) {
            ports.messages.show("删除" + path + "成功", kNoticeTitle, MessageButtons::Ok,
                                MessageIcon::Information);
        } else {
            ports.messages.show("删除" + path + "失败", kNoticeTitle, MessageButtons::Ok,
                                MessageIcon::Exclamation);
        }
    }
    ports.controls.refresh_book_list();
}

}  // namespace tq
