#!/usr/bin/env python3
"""Writes the sample books of samples/ from the one story below.

The same text in the four encodings a book may come in, all with CR LF line
ends (the last line ends in CR LF too):

  样书-GBK.txt         code page 936
  样书-UTF8-BOM.txt    UTF-8 with byte-order mark
  样书-UTF8.txt        UTF-8 without byte-order mark
  样书-UTF16LE.txt     UTF-16 little-endian with byte-order mark

Every file loads as EXPECTED_LINES lines: the line count of the story, since
the reader splits at CR LF and drops the empty piece after the last one. In
the UTF-8-with-mark and UTF-16 files the first line begins with the
code-page-936 stand-in for U+FEFF, which does not change the count.

Run it from anywhere: python3 scripts/make_samples.py
"""

import pathlib
import sys

# Lines each sample loads as; the e2e tests expect it
# (tests/e2e/harness/sample_books.h). main() checks it against the story.
EXPECTED_LINE_COUNT = 230

STORY = """\
灯塔与 TQ-7 号电台

作者：Tarnquil 样书

第一章  雾里的灯

海岛叫做 Lanmore，地图上只有一粒芝麻那么大。
岛的北端立着一座白色的灯塔，塔顶的灯已经亮了七十多年。
守塔的人叫林小禾，大家都喊她 Ada，因为她小时候总把自己的名字念成"阿达"。
那年秋天，雾来得特别早。
早上六点，她推开门，看见的只有一片灰白，连十步外的晾衣绳都不见了。
"今天又是雾天。"她对着空气说，好像有人会回答她。
没有人回答，只有海浪一下一下拍着礁石。
她回到屋里，把水壶放上炉子，顺手打开了那台旧收音机。
收音机是父亲留下的，牌子叫 Marconette，外壳上的漆掉了一半。
平时它只能收到本地渔业台，播报风力和潮汐。
可是那天早上，喇叭里传出的却是一个陌生的声音。
"这里是 TQ-7，这里是 TQ-7，有人听得到吗？"
Ada 愣住了，手里的茶叶撒了一桌子。

第二章  陌生的呼号

她在墙上的呼号表里找了很久，没有 TQ-7 这个名字。
表是十年前印的，纸边已经卷起来，有几行被雨水洇开了。
她拿起话筒，按下发射键，犹豫了一会儿。
"这里是 Lanmore 灯塔，我听得到你。请讲。"
过了好几秒，对面才回答，声音里夹着沙沙的杂音。
"太好了！我们的船在雾里迷路了，罗盘也坏了。"
"你们在哪里？看得见灯吗？"
"看不见，什么都看不见。只听得到很远的地方有雾笛。"
Ada 看了看墙上的钟：六点二十分。
雾笛是她昨晚十一点打开的，一直响到现在。
"那就是我的雾笛。"她说，"跟着声音走，别靠近东边的暗礁。"
"东边是哪边？我们连太阳都看不见。"
她想了想，觉得这个问题问得很有道理。

第三章  数秒

没有罗盘，就只能靠耳朵。
Ada 想起父亲教过她的一个办法：数秒。
雾笛每隔三十秒响一次，声音传到船上需要时间。
如果船离得近，笛声刚停，回声就到了；离得远，就要多等一会儿。
"听好，"她对着话筒说，"我每次按笛子之前都会告诉你。你从听到我说'现在'开始数。"
"明白。开始数什么？"
"数到你听见笛声为止。一秒大约三百四十米。"
对面安静了一下，然后笑了："你这是在给我们上物理课。"
"对，这节课不收学费。"
她按下按钮，说了一声"现在"。
话筒那头有人开始低声数数："一，二，三，四……"
数到九的时候，他们说听见了。
九秒，就是三千多米。不近，也不算太远。
Ada 在一张旧海图上画了一个圆，圆心是灯塔，半径是三公里。
船就在这条线上的某一个地方。

第四章  第二个声音

半小时过去，数字从九变成了七，又从七变成了六。
船在慢慢靠近，可是方向还是不清楚。
就在这时，收音机里忽然多了一个声音。
那是一个孩子，听起来不过十岁。
"姐姐，你那边也有雾吗？"
Ada 吓了一跳："你是谁？你也在船上？"
"我叫 Tom，我在船舱里。大人们都在甲板上，我偷偷拿了备用的对讲机。"
"你不害怕吗？"
"有一点。不过我在数浪。"
"数浪？"
"对。浪从左边来的时候船会往右歪，我已经数到二百一十三了。"
Ada 忽然明白了什么。
这几天刮的是西北风，浪从西北方向推过来。
如果浪总是从船的左边来，那么船头大概朝着东北。
而东北，正是暗礁所在的方向。

第五章  转向

"Tom，"她尽量让声音听起来很平静，"你能帮我一个忙吗？"
"什么忙？"
"去甲板上告诉大人们：让浪从船尾来。记住，是船尾，不是左边。"
"为什么？"
"因为那样船就会朝着东南走，离石头远一点，离我近一点。"
对讲机里传来急促的脚步声，接着是一阵听不清的喊叫。
过了很久，那个成年人的声音又回来了："我们转向了。孩子说是你让转的？"
"是的。现在，请继续数秒。"
"现在。"
这一次，他们数到五。
Ada 在海图上又画了一条线，两条线交在一起的地方，离暗礁只有一小段。
她的手心全是汗。
"再往南一点，"她说，"再往南一点就好。"

第六章  灯

到了八点，雾开始变薄。
先是看见了晾衣绳，然后是院子的栅栏，最后是栅栏外那块写着 No Fishing 的旧牌子。
Ada 爬上灯塔，一级一级，一共一百二十六级台阶。
她在塔顶打开了白天不用的探照灯，对着南边慢慢扫过去。
"看见了！"对讲机里同时响起两个声音，一个大人，一个孩子。
"我们看见你的灯了！"
她顺着灯光望过去，海面上有一个小小的影子，像一片叶子。
那片叶子一点一点变大，变成一条刷着蓝漆的渔船。
船头写着几个白色的字母：TQ-7。
原来那不是电台的呼号，而是船的名字。
船上的人后来告诉她，渔船登记的时候，办事员把 T0-7 抄成了 TQ-7。
"错就错吧，"船长说，"反正这个名字今天救了我们。"

第七章  之后

渔船在码头停了三天，等新的罗盘从大陆寄来。
这三天里，Tom 每天都跑上灯塔。
他学会了怎么擦灯罩，怎么看气压计，怎么在值班日志上写字。
日志上有一栏叫"能见度"，他每次都认真地写：很好，好，不好，什么都看不见。
第三天下午，船要走了。
Tom 把那台备用对讲机留给了 Ada。
"如果以后还有雾，"他说，"你就叫 TQ-7。"
"如果你们不在附近呢？"
"那你就数浪。"他说，"数着数着，雾就散了。"
Ada 笑了，她觉得这是她听过的最好的天气预报。

尾声

现在，灯塔上的收音机旁边多了一台对讲机。
每个有雾的早上，Ada 都会按一下发射键，轻轻地说一句：
"这里是 Lanmore，TQ-7，你听得到吗？"
大多数时候，没有人回答。
偶尔，会有一阵沙沙声，像是很远的海浪。
她就当那是一句回答。

（全文完）

附：守塔日志摘抄

10月3日  雾  能见度：什么都看不见
10月4日  雾转晴  能见度：不好
10月5日  晴  能见度：好
10月6日  晴  能见度：很好  备注：TQ-7 离港，风向 NW，风力 3 级
"""


HEADING_STARTS = ("第", "尾声", "附", "灯塔与", "作者")
PARAGRAPH_INDENT = "\u3000\u3000"  # two ideographic spaces, as Chinese novels indent


def story_lines():
    """The story laid out like a downloaded novel: headings as they are,
    every paragraph indented and followed by an empty line, the dated log
    entries at the end kept tight."""
    lines = []
    in_log = False
    for source in STORY.split("\n")[:-1]:  # STORY ends with a newline
        if source.startswith("附"):
            in_log = True
        if not source or source.startswith(HEADING_STARTS) or in_log:
            lines.append(source)
        else:
            lines += [PARAGRAPH_INDENT + source, ""]
    return lines


def write_samples(folder: pathlib.Path):
    lines = story_lines()
    text = "".join(line + "\r\n" for line in lines)
    files = {
        "样书-GBK.txt": text.encode("gbk"),
        "样书-UTF8-BOM.txt": b"\xef\xbb\xbf" + text.encode("utf-8"),
        "样书-UTF8.txt": text.encode("utf-8"),
        "样书-UTF16LE.txt": b"\xff\xfe" + text.encode("utf-16-le"),
    }
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (folder / name).write_bytes(data)
        print(f"{name}: {len(lines)} lines, {len(data)} bytes")
    return len(lines)


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    count = write_samples(root / "samples")
    if count != EXPECTED_LINE_COUNT:
        sys.exit(f"the story has {count} lines; update EXPECTED_LINE_COUNT and "
                 "tests/e2e/harness/sample_books.h")


if __name__ == "__main__":
    main()
