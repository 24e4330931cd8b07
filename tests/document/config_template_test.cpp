#include "document/config_lines.h"
#include "document/config_template.h"
#include "document/cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The built-in template is addressed by fixed line index everywhere else
// (guided setup, the bot-version switch), so a single missing, extra or
// moved line breaks the program. These tests pin the template to its
// layout line by line and check the byte budget of the file it becomes.

namespace {

using namespace brimvale;

constexpr int kLines = ConfigTemplate::LineCount;

struct FixedLine {
    int index;
    const char* text; // UTF-8
};

// Every line whose text is fixed, at its index. Line 22 carries an example
// host name of our choosing, so only its start is fixed here.
constexpr int kHostnameLine = 22;
const FixedLine kFixedLines[] = {
    {0, "#! /path/to/executable/eggdrop"},
    {2, "#"},
    {4, "#"},
    {6, "##### BASIC SETTINGS #####"},
    {8, "set username \"Идент\""},
    {9, "set admin \"ВашНик <email: Ваш@почтовый.ящик>\""},
    {10, "set network \"IRC сеть\""},
    {11, "set timezone \"EST\""},
    {12, "set offset \"5\""},
    {16, "#set env(TZ) \"$timezone $offset\""},
    {22, "#set my-hostname \""},
    {23, "#set my-ip \"99.99.0.0\""},
    {26, "##### LOG FILES #####"},
    {57, "set max-logs 5"},
    {58, "set max-logsize 0"},
    {59, "set quick-logs 0"},
    {60, "set raw-log 0"},
    {63, "#logfile mco * \"logs/eggdrop.log\""},
    {66, "set log-time 1"},
    {67, "set keep-all-logs 0"},
    {68, "set logfile-suffix \".%d%b%Y\""},
    {73, "set switch-logfiles-at 300"},
    {77, "set quiet-save 0"},
    {80, "##### CONSOLE #####"},
    {82, "set console \"mkcobxs\""},
    {85, "##### FILES AND DIRECTORIES #####"},
    {87, "set userfile \"Bot.user\""},
    {89, "set sort-users 0"},
    {92, "set help-path \"help/\""},
    {93, "set text-path \"text/\""},
    {94, "set temp-path \"/tmp\""},
    {95, "set motd \"text/motd\""},
    {96, "set telnet-banner \"text/banner\""},
    {97, "set userfile-perm 0600"},
    {100, "##### BOTNET/DCC/TELNET #####"},
    {102, "listen 3333 all"},
    {109, "set remote-boots 2"},
    {113, "set share-unlinks 1"},
    {115, "set protect-telnet 0"},
    {116, "set dcc-sanitycheck 0"},
    {117, "set ident-timeout 5"},
    {120, "set require-p 1"},
    {123, "set open-telnets 0"},
    {124, "set stealth-telnets 0"},
    {125, "set use-telnet-banner 0"},
    {126, "set connect-timeout 15"},
    {127, "set dcc-flood-thr 3"},
    {129, "set telnet-flood 5:60"},
    {130, "set paranoid-telnet-flood 1"},
    {131, "set resolve-timeout 15"},
    {134, "##### MORE ADVANCED SETTINGS #####"},
    {137, "set ignore-time 15"},
    {138, "set hourly-updates 00"},
    {140, "set owner \"ВашНик\""},
    {143, "set notify-newusers \"$owner\""},
    {145, "set default-flags \"h\""},
    {151, "set whois-fields \"url birthday\""},
    {153, "set die-on-sighup 0"},
    {154, "set die-on-sigterm 1"},
    {158, "unbind dcc n tcl *dcc:tcl"},
    {159, "unbind dcc n set *dcc:set"},
    {164, "set must-be-owner 2"},
    {169, "unbind dcc n simul *dcc:simul"},
    {171, "set max-dcc 50"},
    {174, "set allow-dk-cmds 0"},
    {176, "set dupwait-timeout 5"},
    {178, "##### MODULES #####"},
    {181, "set mod-path \"modules/\""},
    {184, "#### DNS MODULE ####"},
    {186, "loadmodule dns"},
    {189, "#### CHANNELS MODULE ####"},
    {191, "loadmodule channels"},
    {194, "set chanfile \"Bot.chan\""},
    {198, "set force-expire 0"},
    {202, "set share-greet 0"},
    {205, "set use-info 1"},
    {210, "set global-flood-chan 8:20"},
    {211, "set global-flood-deop 5:10"},
    {212, "set global-flood-kick 5:10"},
    {213, "set global-flood-join 5:60"},
    {214, "set global-flood-ctcp 2:60"},
    {215, "set global-flood-nick 5:60"},
    {216, "set global-aop-delay 5:30"},
    {217, "set global-idle-kick 0"},
    {218, "set global-chanmode \"nt\""},
    {219, "set global-stopnethack-mode 0"},
    {220, "set global-revenge-mode 0"},
    {221, "set global-ban-time 0"},
    {222, "set global-exempt-time 60"},
    {223, "set global-invite-time 60"},
    {225, "set global-chanset {"},
    {226, "        -autoop         -autovoice"},
    {227, "        -bitch          +cycle"},
    {228, "        +dontkickops    +dynamicbans"},
    {229, "        +dynamicexempts +dynamicinvites"},
    {230, "        -enforcebans    +greet"},
    {231, "        -inactive       -nodesynch"},
    {232, "        -protectfriends +protectops"},
    {233, "        -revenge        -revengebot"},
    {234, "        -secret         -seen"},
    {235, "        +shared         -statuslog"},
    {236, "        +userbans       +userexempts"},
    {237, "        +userinvites    -protecthalfops"},
    {238, "        -autohalfop"},
    {239, "}"},
    {276, "#### SERVER MODULE ####"},
    {281, "loadmodule server"},
    {290, "set net-type 5"},
    {292, "set nick \"Ник Бота\""},
    {293, "set altnick \"Альтернативный ник?t\""},
    {294, "set realname \"Имя\""},
    {297, "#bind evnt - init-server evnt:init_server"},
    {298, "#"},
    {299, "#proc evnt:init_server {type} {"},
    {300, "#  global botnick"},
    {301, "#  putquick \"MODE $botnick +i-ws\""},
    {302, "#}"},
    {306, "set default-port 6667"},
    {309, "set servers {"},
    {310, "  сервер:порт"},
    {311, "}"},
    {314, "set keep-nick 1"},
    {315, "set strict-host 0"},
    {318, "set quiet-reject 1"},
    {320, "set lowercase-ctcp 0"},
    {321, "set answer-ctcp 3"},
    {324, "set flood-msg 5:60"},
    {325, "set flood-ctcp 3:60"},
    {328, "set never-give-up 1"},
    {329, "set server-cycle-wait 60"},
    {330, "set server-timeout 60"},
    {333, "set servlimit 0"},
    {336, "set check-stoned 1"},
    {337, "set serverror-quit 1"},
    {338, "set max-queue-msg 300"},
    {341, "set trigger-on-ignore 0"},
    {344, "set double-mode 1"},
    {347, "set double-server 1"},
    {350, "set double-help 1"},
    {361, "set optimize-kicks 1"},
    {366, "set stack-limit 4"},
    {368, "### SERVER MODULE - OTHER NETWORKS (net-type 5) ###"},
    {371, "set check-mode-r 0"},
    {376, "set nick-len 32"},
    {378, "#### CTCP MODULE ####"},
    {381, "loadmodule ctcp"},
    {384, "set ctcp-mode 1"},
    {389, "set ctcp-version \"Ответ бота на запрос версии\""},
    {392, "#### IRC MODULE ####"},
    {394, "loadmodule irc"},
    {397, "set bounce-bans 1"},
    {401, "set bounce-exempts 0"},
    {405, "set bounce-invites 0"},
    {408, "set bounce-modes 0"},
    {414, "set max-bans 30"},
    {418, "set max-exempts 20"},
    {422, "set max-invites 20"},
    {426, "set max-modes 30"},
    {435, "#set use-exempts 0"},
    {438, "#set use-invites 0"},
    {443, "set kick-fun 0"},
    {448, "set ban-fun 0"},
    {453, "set learn-users 0"},
    {458, "set wait-split 600"},
    {462, "set wait-info 180"},
    {466, "set mode-buf-length 200"},
    {472, "#unbind msg - hello *msg:hello"},
    {473, "bind msg - myword *msg:hello"},
    {479, "unbind msg - ident *msg:ident"},
    {480, "unbind msg - addhost *msg:addhost"},
    {486, "set opchars \"@\""},
    {487, "#set opchars \"@&~\""},
    {494, "set no-chanrec-info 0"},
    {496, "### IRC MODULE - IRCnet SPECIFIC FEATURES (net-type 1) ###"},
    {503, "set prevent-mixing 1"},
    {505, "### IRC MODULE - OTHER NETWORKS (net-type 5) ###"},
    {512, "set kick-method 6"},
    {520, "set modes-per-line 6"},
    {525, "#set include-lk 1"},
    {529, "#set use-354 0"},
    {533, "#set rfc-compliant 1"},
    {537, "#### COMPRESS MODULE ####"},
    {540, "#### NOTES MODULE ####"},
    {545, "loadmodule notes"},
    {548, "set notefile \"Bot.notes\""},
    {552, "set max-notes 50"},
    {555, "set note-life 60"},
    {559, "set allow-fwd 0"},
    {563, "set notify-users 1"},
    {567, "set notify-onjoin 1"},
    {571, "#### CONSOLE MODULE ####"},
    {575, "loadmodule console"},
    {579, "set console-autosave 1"},
    {583, "set force-channel 0"},
    {587, "set info-party 0"},
    {590, "#### WOOBIE MODULE ####"},
    {594, "#loadmodule woobie"},
    {597, "#### SEEN MODULE ####"},
    {603, "#loadmodule seen"},
    {606, "#### BLOWFISH MODULE ####"},
    {608, "loadmodule blowfish"},
    {611, "#### ASSOC MODULE ####"},
    {614, "#### WIRE MODULE ####"},
    {620, "#loadmodule wire"},
    {622, "#### UPTIME MODULE ####"},
    {624, "loadmodule uptime"},
    {626, "##### SCRIPTS #####"},
    {636, "source scripts/alltools.tcl"},
    {637, "source scripts/action.fix.tcl"},
    {641, "source scripts/compat.tcl"},
    {646, "source scripts/userinfo.tcl"},
    {647, "loadhelp userinfo.help"},
};

struct LineRun {
    int first;
    int count;
};

// Runs of empty lines: where each begins and how long it is.
const LineRun kBlankRuns[] = {
    {5, 1}, {7, 1}, {13, 1}, {17, 1}, {24, 2}, {27, 1}, {55, 2}, {61, 2}, {64, 2}, {69, 1}, {74, 1},
    {78, 2}, {81, 1}, {83, 2}, {86, 1}, {88, 1}, {90, 2}, {98, 2}, {101, 1}, {103, 1}, {110, 1},
    {114, 1}, {118, 1}, {121, 2}, {128, 1}, {132, 2}, {135, 1}, {139, 1}, {141, 1}, {144, 1},
    {146, 1}, {152, 1}, {155, 1}, {160, 1}, {165, 1}, {170, 1}, {172, 1}, {175, 1}, {177, 1},
    {179, 2}, {182, 2}, {185, 1}, {187, 2}, {190, 1}, {192, 2}, {195, 1}, {199, 1}, {203, 1},
    {206, 1}, {209, 1}, {224, 1}, {240, 1}, {274, 2}, {277, 1}, {282, 1}, {291, 1}, {295, 1},
    {303, 1}, {307, 2}, {312, 2}, {316, 2}, {319, 1}, {322, 2}, {326, 2}, {331, 2}, {334, 2},
    {339, 2}, {342, 1}, {345, 1}, {348, 1}, {351, 1}, {362, 1}, {367, 1}, {369, 2}, {372, 1},
    {377, 1}, {379, 2}, {382, 2}, {385, 1}, {390, 2}, {393, 1}, {395, 1}, {398, 1}, {402, 1},
    {406, 1}, {409, 1}, {415, 1}, {419, 1}, {423, 1}, {427, 1}, {436, 1}, {439, 1}, {444, 1},
    {449, 1}, {454, 1}, {459, 1}, {463, 1}, {467, 1}, {474, 1}, {481, 1}, {485, 1}, {488, 1},
    {495, 1}, {497, 1}, {499, 1}, {504, 1}, {506, 1}, {508, 1}, {513, 1}, {521, 1}, {526, 1},
    {530, 1}, {534, 3}, {538, 2}, {541, 1}, {546, 1}, {549, 1}, {553, 1}, {556, 1}, {560, 1},
    {564, 1}, {568, 3}, {572, 1}, {576, 1}, {580, 1}, {584, 1}, {588, 2}, {591, 1}, {595, 2},
    {598, 1}, {604, 2}, {607, 1}, {609, 2}, {612, 2}, {615, 1}, {621, 1}, {623, 1}, {625, 1},
    {627, 1}, {629, 1}, {635, 1}, {638, 1}, {642, 1},
};

// Blocks of free comment lines, whose wording is ours; line 1 is one too.
const LineRun kCommentBlocks[] = {
    {1, 1}, {14, 2}, {18, 4}, {28, 27}, {70, 3}, {75, 2}, {104, 5}, {111, 2}, {119, 1}, {136, 1}, {142, 1},
    {147, 4}, {156, 2}, {161, 3}, {166, 3}, {173, 1}, {196, 2}, {200, 2}, {204, 1}, {207, 2},
    {241, 33}, {278, 3}, {283, 7}, {296, 1}, {304, 2}, {343, 1}, {346, 1}, {349, 1}, {352, 9},
    {363, 3}, {373, 3}, {386, 3}, {396, 1}, {399, 2}, {403, 2}, {407, 1}, {410, 4}, {416, 2},
    {420, 2}, {424, 2}, {428, 7}, {437, 1}, {440, 3}, {445, 3}, {450, 3}, {455, 3}, {460, 2},
    {464, 2}, {468, 4}, {475, 4}, {482, 3}, {489, 5}, {498, 1}, {500, 3}, {507, 1}, {509, 3},
    {514, 6}, {522, 3}, {527, 2}, {531, 2}, {542, 3}, {547, 1}, {550, 2}, {554, 1}, {557, 2},
    {561, 2}, {565, 2}, {573, 2}, {577, 2}, {581, 2}, {585, 2}, {592, 2}, {599, 4}, {616, 4},
    {628, 1}, {630, 5}, {639, 2}, {643, 3},
};

constexpr int kRevisionLine = 3;
// The commented-out script: its bare "#" at 298 belongs to the script.
constexpr int kScriptFirst = 297;
constexpr int kScriptLast = 302;

const std::set<int> kCyrillicLines = {8, 9, 10, 140, 292, 293, 294, 310, 389};

enum class Kind { First, Revision, Header, Directive, CommentedOut, Comment, Blank };

const std::regex& headerPattern()
{
    static const std::regex pattern("^(#{3,5}) [^ ].*[^ ] \\1$");
    return pattern;
}

std::string_view line(int index)
{
    return ConfigTemplate::line(index);
}

bool isHeader(std::string_view text)
{
    return std::regex_match(text.begin(), text.end(), headerPattern());
}

// The kind of a line, told from its form; only the first line, the
// revision line and the lines of the commented-out script go by index.
Kind kindOf(int index)
{
    const std::string_view text = line(index);
    if (index == 0)
        return Kind::First;
    if (index == kRevisionLine)
        return Kind::Revision;
    if (text.empty())
        return Kind::Blank;
    if (text.front() != '#')
        return Kind::Directive;
    if (index >= kScriptFirst && index <= kScriptLast)
        return Kind::CommentedOut;
    if (isHeader(text))
        return Kind::Header;
    if (text == "#" || text.substr(0, 2) == "# ")
        return Kind::Comment;
    return Kind::CommentedOut;
}

template <std::size_t N>
bool inRuns(const LineRun (&runs)[N], int index)
{
    return std::any_of(std::begin(runs), std::end(runs),
                       [index](const LineRun& r) { return index >= r.first && index < r.first + r.count; });
}

bool isPrintableAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

TEST(ConfigTemplateLayout, TablesAccountForEveryLineExactlyOnce)
{
    // Guards the tables of this file against a slip: together they must
    // cover the 648 indices with no gap and no overlap.
    std::vector<int> seen(kLines, 0);
    const auto mark = [&seen](int index) { ++seen.at(static_cast<std::size_t>(index)); };
    for (const FixedLine& f : kFixedLines)
        mark(f.index);
    for (const LineRun& r : kBlankRuns)
        for (int i = r.first; i < r.first + r.count; ++i)
            mark(i);
    for (const LineRun& r : kCommentBlocks)
        for (int i = r.first; i < r.first + r.count; ++i)
            mark(i);
    mark(kRevisionLine);
    for (int i = 0; i < kLines; ++i)
        EXPECT_EQ(seen[static_cast<std::size_t>(i)], 1) << "line " << i;
}

TEST(ConfigTemplateLayout, EveryFixedLineIsExactAtItsIndex)
{
    ASSERT_EQ(ConfigTemplate::LineCount, 648);
    for (const FixedLine& f : kFixedLines) {
        const std::string_view expected = f.text;
        if (f.index == kHostnameLine) {
            EXPECT_EQ(line(f.index).substr(0, expected.size()), expected);
        } else {
            EXPECT_EQ(line(f.index), expected) << "line " << f.index;
        }
    }
    EXPECT_EQ(line(0), "#! /path/to/executable/eggdrop");
    EXPECT_EQ(line(647), "loadhelp userinfo.help");
}

TEST(ConfigTemplateLayout, ExampleHostNameIsOneQuotedName)
{
    const std::string_view text = line(kHostnameLine);
    const std::string_view prefix = "#set my-hostname \"";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    ASSERT_GT(text.size(), prefix.size() + 1);
    EXPECT_EQ(text.back(), '"');
    const std::string_view host = text.substr(prefix.size(), text.size() - prefix.size() - 1);
    EXPECT_NE(host.find('.'), std::string_view::npos) << host;
    EXPECT_EQ(host.find_first_of(" \""), std::string_view::npos) << host;
    EXPECT_TRUE(isPrintableAscii(host)) << host;
}

TEST(ConfigTemplateLayout, RevisionLineRecordsFileRevisionAndDate)
{
    const std::string_view text = line(kRevisionLine);
    EXPECT_EQ(text.substr(0, 2), "# ");
    EXPECT_NE(text.find("eggdrop.conf"), std::string_view::npos) << text;
    EXPECT_NE(text.find("1.40"), std::string_view::npos) << text;
    EXPECT_NE(text.find("2004-08-21"), std::string_view::npos) << text;
    EXPECT_TRUE(isPrintableAscii(text)) << text;
}

TEST(ConfigTemplateLayout, EmptyLinesAreExactlyTheBlankRuns)
{
    std::vector<int> blank;
    for (int i = 0; i < kLines; ++i) {
        EXPECT_EQ(line(i).empty(), inRuns(kBlankRuns, i)) << "line " << i << ": \"" << line(i) << '"';
        if (line(i).empty())
            blank.push_back(i);
    }
    ASSERT_EQ(blank.size(), 180U);
    EXPECT_EQ(blank.front(), 5);
    EXPECT_EQ(blank.back(), 642);
}

TEST(ConfigTemplateLayout, KindsOfLineHaveTheirCounts)
{
    std::map<Kind, int> kinds;
    for (int i = 0; i < kLines; ++i)
        ++kinds[kindOf(i)];
    EXPECT_EQ(kinds[Kind::First], 1);
    EXPECT_EQ(kinds[Kind::Revision], 1);
    EXPECT_EQ(kinds[Kind::Header], 25);
    EXPECT_EQ(kinds[Kind::Directive], 164);
    EXPECT_EQ(kinds[Kind::CommentedOut], 20);
    EXPECT_EQ(kinds[Kind::Comment], 257);
    EXPECT_EQ(kinds[Kind::Blank], 180);
}

TEST(ConfigTemplateLayout, SectionHeadersSitAtTheirLinesWithTheirDepth)
{
    // Index -> number of "#" on each side.
    const std::map<int, int> expected = {
        {6, 5}, {26, 5}, {80, 5}, {85, 5}, {100, 5}, {134, 5}, {178, 5}, {626, 5},
        {184, 4}, {189, 4}, {276, 4}, {378, 4}, {392, 4}, {537, 4}, {540, 4},
        {571, 4}, {590, 4}, {597, 4}, {606, 4}, {611, 4}, {614, 4}, {622, 4},
        {368, 3}, {496, 3}, {505, 3}};
    std::map<int, int> found;
    for (int i = 0; i < kLines; ++i)
        if (kindOf(i) == Kind::Header)
            found[i] = static_cast<int>(line(i).find(' '));
    EXPECT_EQ(found, expected);
}

TEST(ConfigTemplateLayout, DirectiveLinesHoldTheirCommands)
{
    // A value in braces spans lines; only a line outside braces starts a command.
    std::map<std::string, int> commands;
    std::vector<int> spanning;
    bool inBraces = false;
    for (int i = 0; i < kLines; ++i) {
        if (kindOf(i) != Kind::Directive)
            continue;
        const std::string_view text = line(i);
        if (!inBraces) {
            ++commands[std::string(text.substr(0, text.find(' ')))];
            if (text.back() == '{') {
                spanning.push_back(i);
                inBraces = true;
            }
        } else if (text == "}") {
            inBraces = false;
        }
    }
    EXPECT_FALSE(inBraces);
    const std::map<std::string, int> expected = {{"set", 127}, {"loadmodule", 9}, {"unbind", 5},
                                                 {"source", 4}, {"listen", 1},     {"bind", 1},
                                                 {"loadhelp", 1}};
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(spanning, (std::vector<int>{225, 309}));
}

TEST(ConfigTemplateLayout, FreeCommentLinesArePlainComments)
{
    // "#" alone or "# " and text: nothing that reads as a header or as a
    // commented-out setting.
    for (int i = 0; i < kLines; ++i) {
        if (!inRuns(kCommentBlocks, i))
            continue;
        const std::string_view text = line(i);
        EXPECT_EQ(kindOf(i), Kind::Comment) << "line " << i << ": " << text;
        EXPECT_TRUE(text == "#" || (text.size() > 2 && text.substr(0, 2) == "# "))
            << "line " << i << ": " << text;
        EXPECT_TRUE(isPrintableAscii(text)) << "line " << i << ": " << text;
    }
}

TEST(ConfigTemplateLayout, IndentationIsExact)
{
    const std::regex flag("[+-][a-z]+");
    for (int i = 0; i < kLines; ++i) {
        const std::string_view text = line(i);
        const std::size_t indent = std::min(text.find_first_not_of(' '), text.size());
        const std::size_t expected = (i >= 226 && i <= 238) ? 8 : (i == 310 ? 2 : 0);
        EXPECT_EQ(indent, expected) << "line " << i << ": \"" << text << '"';
    }
    // Two flags a line, the first padded to 16 columns; 238 holds one flag.
    for (int i = 226; i <= 237; ++i) {
        const std::string text(line(i));
        SCOPED_TRACE(text);
        const std::size_t end = text.find(' ', 8);
        ASSERT_LT(end, 24U);
        EXPECT_TRUE(std::regex_match(text.substr(8, end - 8), flag));
        EXPECT_EQ(text.find_first_not_of(' ', end), 24U);
        EXPECT_TRUE(std::regex_match(text.substr(24), flag));
    }
    EXPECT_TRUE(std::regex_match(std::string(line(238).substr(8)), flag)) << line(238);
    for (int i : {300, 301}) {
        EXPECT_EQ(line(i).substr(0, 3), "#  ") << line(i);
        EXPECT_NE(line(i).at(3), ' ') << line(i);
    }
}

TEST(ConfigTemplateLayout, NoControlCharactersOrTrailingSpaces)
{
    for (int i = 0; i < kLines; ++i) {
        const std::string_view text = line(i);
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0x20 && byte != 0x7F) << "line " << i << " holds byte " << int{byte};
        }
        if (!text.empty()) {
            EXPECT_NE(text.back(), ' ') << "line " << i;
        }
    }
}

// The Windows-1251 facts are checked on the lines as the program holds
// them, after the conversion that filling the list performs.
class ConfigTemplateBytes : public ::testing::Test {
protected:
    void SetUp() override { lines.fill(); }
    ConfigLines lines;
};

TEST_F(ConfigTemplateBytes, CyrillicOnlyOnTheNineLines)
{
    ASSERT_EQ(lines.count(), kLines);
    for (int i = 0; i < kLines; ++i) {
        const bool cyrillic = kCyrillicLines.count(i) != 0;
        int letters = 0;
        for (char c : lines.at(i)) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80) {
                ++letters;
                EXPECT_GE(byte, 0xC0) << "line " << i << ": byte " << int{byte} << " is no Cyrillic letter";
            } else {
                EXPECT_TRUE(byte >= 0x20 && byte <= 0x7E) << "line " << i << ": byte " << int{byte};
            }
        }
        EXPECT_EQ(letters > 0, cyrillic) << "line " << i;
        // The UTF-8 source agrees on which lines are not plain ASCII.
        EXPECT_EQ(!isPrintableAscii(line(i)), cyrillic) << "line " << i;
    }
}

TEST_F(ConfigTemplateBytes, FileSizeLineOffsetAndWidths)
{
    // As the output file holds them: every line followed by CR LF.
    ASSERT_EQ(lines.count(), kLines);
    std::size_t total = 0;
    std::size_t line8Offset = 0;
    for (int i = 0; i < lines.count(); ++i) {
        if (i == 8)
            line8Offset = total;
        const std::size_t width = lines.read(i).size();
        EXPECT_LE(width, 81U) << "line " << i;
        total += width + 2;
    }
    EXPECT_EQ(total, 19474U);
    EXPECT_EQ(line8Offset, 205U);

    const unsigned char line8[] = {0x73, 0x65, 0x74, 0x20, 0x75, 0x73, 0x65, 0x72, 0x6E, 0x61,
                                   0x6D, 0x65, 0x20, 0x22, 0xC8, 0xE4, 0xE5, 0xED, 0xF2, 0x22};
    EXPECT_EQ(lines.read(8), std::string(reinterpret_cast<const char*>(line8), sizeof line8));
    EXPECT_EQ(lines.read(389).size(), 46U);
}

} // namespace
