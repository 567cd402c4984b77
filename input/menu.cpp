#include "input/menu.h"

#include "game/match.h"
#include "view/sound.h"

namespace vozi {

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

void exitProgram(Game& game) { game.platform.destroyWindow(); }

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
