// Texts of one three-talent row, composed from reviewed pieces.
//
// The pieces (data/content/luck/talent_texts.tsv) are sentences written per
// relation between 天格 and 人格, per relation between 人格 and 地格, per
// element of 人格 and per luck word. A row's columns are joined from the
// pieces that fit its three elements, and the element names are put in for
// the markers {天}, {人}, {地}. All texts are UTF-8.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace nuvelo::dbbuild {

// Relation of another element to `self` (人格 here), seen from self:
// "生" the other feeds self, "泄" self feeds the other, "和" alike,
// "压" the other overcomes self, "逆" self overcomes the other; "" when
// either is not one of 木火土金水. The pieces of 天格/人格 and of 人格/地格
// are keyed by these words.
std::string relationOf(const std::string& other, const std::string& self);

class TalentComposer {
public:
    // Reads the piece file; false with a message when it cannot be read, a
    // line is malformed, or a piece the composition needs is missing.
    bool load(const std::string& path, std::string& error);

    // Columns 3..20 of NV_三才配置 (解释一 .. 对性格的影响) for the elements
    // heaven, person and earth and the row's luck word; false with a message
    // when a composed text still holds a marker.
    bool compose(const std::string& heaven, const std::string& person, const std::string& earth,
                 const std::string& luck, std::vector<std::string>& columns, std::string& error) const;

private:
    const std::string& piece(const std::string& group, const std::string& key, const std::string& field) const;
    std::map<std::string, std::string> pieces_;  // "group/key/field" -> text
};

}  // namespace nuvelo::dbbuild
