// The About window's texts, addresses and control ids. Narrow literals are
// code page 936 bytes (the sources compile with -fexec-charset=GBK).
#pragma once

namespace tq::about {

constexpr const char* kCaption = "关于 Tarnquil V1.0";
constexpr const char* kTitleText = "Tarnquil\r\nV 1.0 By Tarnquil 开发者\r\n最后更新时间 2025.6.24";
constexpr const char* kSupportText =
    "如果您觉得软件不错，麻烦多多支持和鼓励，我将会持续更新更优质的软件，感谢支持！";
constexpr const char* kPictureLabel = "赞赏码";
constexpr const char* kFeedbackText = "持续更新\r\n如果您有更多意见和建议，欢迎前往帖子反馈";

constexpr const char* kHomeCaption = "Tarnquil 主页";
constexpr const char* kHomeAddress = "https://example.org/tarnquil/";
constexpr const char* kFeedbackCaption = "问题反馈";
constexpr const char* kFeedbackAddress = "https://example.org/tarnquil/feedback";

// Child-window ids, for the window's own code and for the tests that find
// the controls.
namespace id {
constexpr int kTitle = 3001;         // "标签1"
constexpr int kSupport = 3002;       // "标签2"
constexpr int kPicture = 3003;       // "图片框1"
constexpr int kPictureLabel = 3004;  // "标签4", a child of "图片框1"
constexpr int kFeedbackText = 3005;  // "标签3"
constexpr int kHomeLink = 3006;      // "超级链接框2"
constexpr int kFeedbackLink = 3007;  // "超级链接框1"
}  // namespace id

constexpr int kWindowWidth = 508;
constexpr int kWindowHeight = 338;

}  // namespace tq::about
