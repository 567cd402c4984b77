#include "game/names.h"

#include <array>
#include <vector>

#include "game/random.h"

namespace vozi {
namespace {

const std::vector<std::string> kEnglishSurnames = {
    "Ali",       "Annan",   "Bacon",   "Baker",      "Beckham",   "Blair",   "Bush",   "Carpenter",
    "Churchill", "Clinton", "Conan",   "Darwin",     "Disney",    "Fleming", "Fox",    "Franklin",
    "Green",     "White",   "Hitler",  "Jackson",    "Keller",    "Newton",  "Norman", "Owen",
    "Patton",    "Peres",   "Persson", "Rabin",      "Robertson", "Rubin",   "Seaman", "Smith",
    "Taylor",    "Twain",   "Tyson",   "Washington", "Wilson",    "Van"};

const std::vector<std::string> kEnglishMaleNames = {
    "Abraham", "Adam",   "Alexander", "Alan",   "Andy",   "Anthony", "Arthor",  "Ben",    "Bill",
    "Bob",     "Brant",  "Brian",     "Bruce",  "Carl",   "Cary",    "Charles", "Chris",  "Colin",
    "Daniel",  "Donald", "Douglas",   "David",  "Edward", "Eric",    "Evan",    "Frank",  "Fred",
    "Gaby",    "Gary",   "George",    "Glen",   "Hugo",   "Hunk",    "Henry",   "Ivan",   "Jack",
    "James",   "Jerry",  "Jim",       "Joe",    "John",   "Joseph",  "Ken",     "Kevin",  "Lee",
    "Leo",     "Loren",  "Mark",      "Martin", "Mike",   "Paul",    "Peter",   "Philip", "Rex",
    "Richard", "Robert", "Robin",     "Rock",   "Simon",  "Steven",  "Terry",   "Tom",    "Thomas",
    "Warren",  "Wesley", "William"};

const std::vector<std::string> kEnglishFemaleNames = {
    "Ada",     "Ailsa",     "Alice",    "Angela", "Ann",     "Barbara", "Becky",    "Betty",
    "Carmen",  "Carry",     "Cassie",   "Cherry", "Chris",   "Cindy",   "Cora",     "Daisy",
    "Diana",   "Elizabeth", "Ellen",    "Emma",   "Eva",     "Frances", "Hellen",   "Heidi",
    "Irene",   "Jamie",     "Jane",     "Janet",  "Jessica", "Jenny",   "Joanna",   "Judy",
    "Julia",   "Kate",      "Kathy",    "Laura",  "Linda",   "Lisa",    "Lucia",    "Margaret",
    "Mary",    "May",       "Michelle", "Nancy",  "Paula",   "Rebecca", "Rose",     "Sarah",
    "Shirley", "Sue",       "Susan",    "Tina",   "Vicky",   "Vivian",  "Victoria", "Winnie"};

const std::vector<std::string> kChineseSurnames = {
    "赵", "钱", "孙", "李",   "周",   "吴",   "郑",   "王",   "冯",   "陈",   "褚",  "卫",
    "蒋", "沈", "韩", "杨",   "朱",   "秦",   "尤",   "许",   "何",   "吕",   "施",  "张",
    "刘", "黄", "徐", "胡",   "高",   "林",   "郭",   "马",   "罗",   "梁",   "宋",  "谢",
    "唐", "于", "董", "萧",   "程",   "曹",   "袁",   "邓",   "曾",   "彭",   "苏",  "卢",
    "蔡", "贾", "丁", "魏",   "薛",   "叶",   "余",   "潘",   "杜",   "夏",   "汪",  "田",
    "任", "姜", "方", "范",   "石",   "姚",   "谭",   "金",   "陆",   "孔",   "白",  "毛",
    "江", "顾", "龙", "欧阳", "司马", "公孙", "上官", "慕容", "东方", "东郭", "西门"};

const std::vector<std::string> kChineseMaleNames = {
    "平", "伟", "俊", "家", "中", "健", "康", "达", "斌", "兵", "庆", "强", "国", "华", "天",
    "龙", "虎", "福", "志", "刚", "德", "亮", "山", "峰", "风", "宁", "清", "方", "鹏", "远",
    "云", "权", "永", "明", "安", "海", "东", "超", "光", "一", "霸", "世", "荣"};

const std::vector<std::string> kChineseFemaleNames = {
    "灵", "敏", "晶", "芸", "雪", "梦", "慧", "洁", "颖", "彩", "华", "丽", "爱", "珍", "妮",
    "娟", "玉", "宝", "贝", "娜", "婷", "君", "雯", "可", "芬", "芳", "丝", "燕", "宁", "玲",
    "春", "秋", "雨", "佳", "安", "美", "霏", "晴", "萍", "晨", "茜", "晓", "凡", "香", "菊"};

const std::string& pick(Random& random, const std::vector<std::string>& table) {
  return table[static_cast<std::size_t>(random.uniform(1, static_cast<int>(table.size())) - 1)];
}

// Ten slots, one per ranking place: the computer champions' names.
std::array<std::string, kRankingSize> rankingNamePool(const GameState& state) {
  std::array<std::string, kRankingSize> pool;
  for (int slot = 1; slot <= kRankingSize; ++slot) {
    const RankingEntry& entry = state.rankingSlot(slot);
    if (!entry.isHuman) pool[static_cast<std::size_t>(slot - 1)] = entry.name;
  }
  return pool;
}

}  // namespace

void nameComputerSeats(Game& game) {
  Random& random = game.platform.random();
  auto pool = rankingNamePool(game.state);
  bool poolUsed = false;
  for (int seat = 2; seat <= kSeatCount; ++seat) {
    std::string& slot = pool[static_cast<std::size_t>(random.uniform(1, kRankingSize) - 1)];
    // The draws stop as soon as one fails: an empty slot draws no coin.
    if (!slot.empty() && random.uniform(1, 2) == 1 && !poolUsed) {
      game.state.player(seat).name = slot;
      poolUsed = true;
      slot.clear();
    } else {
      const bool english = random.uniform(1, 3) == 1;
      const bool male = random.uniform(1, 2) == 1;
      game.state.player(seat).name = generateName(game, english, male);
    }
  }
}

std::string generateName(Game& game, bool english, bool male) {
  Random& random = game.platform.random();
  random.seedFromClock();
  const auto& surnames = english ? kEnglishSurnames : kChineseSurnames;
  const auto& given = english ? (male ? kEnglishMaleNames : kEnglishFemaleNames)
                              : (male ? kChineseMaleNames : kChineseFemaleNames);
  const std::string& surname = pick(random, surnames);
  const std::string& first = pick(random, given);
  if (english) return first + " " + surname;

  std::string name = surname + first;
  if (random.uniform(1, 2) == 1) {
    name += pick(random, given);
  } else if (!male && random.uniform(1, 2) == 1) {
    name += random.uniform(1, 2) == 1 ? first : std::string("儿");
  }
  return name;
}

}  // namespace vozi
