#include "reader/article_categories.h"

namespace nuvelo::reader {
namespace {

using Kind = ArticleMenuEntry::Kind;

ArticleMenuEntry cat(const char* caption) { return {Kind::Category, caption}; }
ArticleMenuEntry sep() { return {Kind::Separator, {}}; }
ArticleMenuEntry sub(const char* heading) { return {Kind::SubmenuStart, heading}; }
ArticleMenuEntry end() { return {Kind::SubmenuEnd, {}}; }

std::vector<ArticleMenu> buildMenus() {
    ArticleMenu parenting{"育儿知识[&Y]", "育儿百科", {}};
    auto& p = parenting.entries;
    p = {sub("育儿百科"), cat("备孕百科"), cat("孕期百科"), cat("分娩百科"), cat("0-1岁百科"), cat("1-3岁百科"),
         cat("3-6岁百科"), end(), sep(), cat("孕育指南"), sep(),
         sub("儿童教育"), cat("教育早知道"), cat("胎教"), cat("早教资源"), cat("才艺培养"), cat("游戏玩具"),
         cat("智力开发"), cat("行为心理"), cat("学前教育"), end(),
         sub("营养知识"), cat("母乳喂养"), cat("人工喂养"), cat("补钙攻略"), cat("辅食添加"), cat("营养元素"),
         cat("食疗保健"), cat("食谱大全"), cat("饮食宜忌"), cat("均衡营养"), end(),
         sub("健康讲座"), cat("护理保健"), cat("生长发育"), cat("体格检查"), cat("预防免疫"), cat("成人疾病"),
         cat("儿科疾病"), cat("药物手册"), end(),
         sub("安全知识"), cat("出行安全"), cat("用品安全"), cat("家居安全"), cat("宠物安全"), cat("医药安全"),
         cat("食品安全"), cat("幼儿园安全"), end()};
    ArticleMenu fortune{"算命风水[&S]", "算命风水", {}};
    fortune.entries = {cat("起名知识"), sep(), cat("算命知识"), cat("星座算命"), cat("相术算命"), cat("血型算命"),
                       sep(), cat("风水知识"), sep(), cat("开运技巧")};
    return {parenting, fortune};
}

}  // namespace

const std::vector<ArticleMenu>& articleMenus() {
    static const std::vector<ArticleMenu> menus = buildMenus();
    return menus;
}

std::vector<ArticleCategory> articleCategories() {
    std::vector<ArticleCategory> out;
    for (const ArticleMenu& menu : articleMenus()) {
        int position = 0;
        for (const ArticleMenuEntry& e : menu.entries)
            if (e.kind == Kind::Category) out.push_back({menu.table, e.caption, ++position});
    }
    return out;
}

}  // namespace nuvelo::reader
