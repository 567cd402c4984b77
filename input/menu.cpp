#include "input/menu.h"

#include "game/match.h"
#include "view/sound.h"

namespace vozi {

const char* menuCaption(MenuItem item) {
  switch (item) {
    case MenuItem::StartMatch: return "开始牌局(&B)";
    case MenuItem::Exit: return "退出(&X)";
    case MenuItem::Music: return "游戏音乐(&M)";
    case MenuItem::ShowNames: return "显示牌家姓名(&N)";
    case MenuItem::ScoreTable: return "查看分数表(&V)";
    case MenuItem::Ranking: return "排行榜(&R)";
    case MenuItem::WebPage: return "访问网站(&W)";
    case MenuItem::Readme: return "游戏说明(&I)";
    case MenuItem::Instructions: return "游戏技巧(&S)";
    case MenuItem::About: return "关于(&A)";
  }
  return "";
}

void toggleShowNames(Game& game) {
  Platform& desktop = game.platform;
  desktop.setChecked(MenuItem::ShowNames, !desktop.isChecked(MenuItem::ShowNames));
}

void openHelpFile(Game& game, const std::string& fileName) {
  game.platform.openWithDefaultHandler(game.platform.programDirectory() + "/" + fileName);
}

void showAbout(Game& game) {
  const GameState& state = game.state;
  game.platform.showMessage("游戏名称：" + state.gameName + "\r\n游戏版本：" + state.versionText +
                                "\r\n一款为盲人和低视力玩家设计的红心大战游戏，全程键盘操作，"
                                "读屏软件朗读牌面与局势。",
                            Buttons::Ok);
}

void exitProgram(Game& game) {
  game.platform.destroyWindow();
}

void onMenuCommand(Game& game, MenuItem item) {
  switch (item) {
    case MenuItem::StartMatch: startMatch(game); break;
    case MenuItem::Exit: exitProgram(game); break;
    case MenuItem::Music: toggleMusic(game); break;
    case MenuItem::ShowNames: toggleShowNames(game); break;
    case MenuItem::ScoreTable: break;  // the score table comes with the ranking views
    case MenuItem::Ranking: break;
    case MenuItem::WebPage: game.platform.openWithDefaultHandler(kWebPageAddress); break;
    case MenuItem::Readme: openHelpFile(game, "readme.txt"); break;
    case MenuItem::Instructions: openHelpFile(game, "instruction.txt"); break;
    case MenuItem::About: showAbout(game); break;
  }
}

}  // namespace vozi
