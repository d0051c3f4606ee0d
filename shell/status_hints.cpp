#include "shell/status_hints.h"

#include "shell/control_ids.h"

namespace tq {

const char* status_hint_for_control(int control_id) {
    switch (control_id) {
        case id::kModeTray:
        case id::kModeBalloon:
        case id::kModeCaption:
            return "选择阅读的模式，其中【托盘图标】和【气泡框】的单次显示字符最好不要超过40个。(一个中文占两个字数)";
        case id::kWidthEdit:
        case id::kLabelWidth:
            return "注意：当选择【托盘图标】或【气泡框】时字符不要过多，否则可能显示不完整。建议少于40个。(一个中文占两个字数)";
        case id::kPicture:
        case id::kChoosePicture:
            return "托盘图标的图片，建议更改为【传奇】之类的游戏图片。图片格式必须为ico。";
        case id::kFileList:
            return "当前目录文件夹下的txt文件。";
        default:
            return nullptr;
    }
}

}  // namespace tq
