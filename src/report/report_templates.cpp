#include "report/report_templates.h"

#include "text/gbk.h"

namespace nuvelo::report {

namespace {

// The templates are written with plain line feeds; the pages use CR LF.
std::string withCrLf(const char* page) {
    return text::replaceAll(page, "\n", "\r\n");
}

const char* const kNameReport = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>名字评分</title>
<style type="text/css">
body{margin:0px;}
div,td{font-size:14px;color:#000000;line-height:26px;}
.tablebgcolor{background-color:#BBAC85;width:96%;}
.tdbgcolor{background-color:#FDFBF2;padding-left:5px;}
.fontcolor1{color:#000000;font-size:18px;font-weight:bold;}
.fontcolor2{color:#aaaaaa;}
.fontcolor3{color:#ff0000;}
.fontgrey{color:#ababab;}
.sy{display:inline;font-size:1px;overflow:hidden;width:1px;height:1px;color:#f6f6f6;}
.divh{height:8px;line-height:8px;}
</style>
</head>
<body>
<br>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor">
<td class="tdbgcolor">
<table width="100%" cellspacing="0" cellpadding="0" border="0">
<tr class="fontgrey"><td>&nbsp;</td><td class="fontgrey">繁体</td><td class="fontgrey">拼音</td><td class="fontgrey">简体笔划</td><td class="fontgrey">康熙笔划</td><td class="fontgrey">字意五行</td></tr>
<tr><td class="fontcolor1">{简体姓氏1}</td><td class="fontcolor2">{繁体姓氏1}</td><td class="fontcolor2">{姓氏1拼音}</td><td>{简体姓氏1笔划}</td><td>{繁体姓氏1笔划}</td><td>{姓氏1五行}</td></tr>
<tr><td class="fontcolor1">{简体姓氏2}</td><td class="fontcolor2">{繁体姓氏2}</td><td class="fontcolor2">{姓氏2拼音}</td><td>{简体姓氏2笔划}</td><td>{繁体姓氏2笔划}</td><td>{姓氏2五行}</td></tr>
<tr><td class="fontcolor1">{简体名字1}</td><td class="fontcolor2">{繁体名字1}</td><td class="fontcolor2">{名字1拼音}</td><td>{简体名字1笔划}</td><td>{繁体名字1笔划}</td><td>{名字1五行}</td></tr>
<tr><td class="fontcolor1">{简体名字2}</td><td class="fontcolor2">{繁体名字2}</td><td class="fontcolor2">{名字2拼音}</td><td>{简体名字2笔划}</td><td>{繁体名字2笔划}</td><td>{名字2五行}</td></tr>
</table>
</td>
<td class="tdbgcolor">天格-&gt; {天格}({天格五行})<p>人格-&gt; {人格}({人格五行})</p><p>地格-&gt; {地格}({地格五行})</p></td>
<td class="tdbgcolor">外格-&gt; {外格}({外格五行})<p>　</p>总格-&gt; {总格}({总格五行})</td>
</tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor"><span class="fontgrey" style="font-size:12px">说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。特别注意的是,如果名字分数低或评价为凶,一旦使用,能冲破命象则能异于常人、大富大贵、高高在上,如冲不破,则可能一生坎坷,能冲破的人毕竟是少数,这就是为什么个别“名人”的名字测下来分数反而很低的原因,他们靠后天的不断努力及机遇压制了命理的限制.而分数高,命理好,则能少走很多弯路,更容易成功。本方法测命理只供参考,切勿影响生活!</span><span class="sy"></span></td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">天格{天格}的解析：</span>天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改)</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{天格总论}（<span class="fontcolor3">{天格吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{天格释义}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">人格{人格}的解析：</span>人格数又称主运，是整个姓名的中心点，影响人的一生命运。</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{人格总论}（<span class="fontcolor3">{人格吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{人格释义}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">地格{地格}的解析：</span>地格数又称前运，影响人中年（36岁）以前的活动力。</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{地格总论}（<span class="fontcolor3">{地格吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{地格释义}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">总格{总格}的解析：</span>总格又称后运，影响人中年（36岁）以后的命运。</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{总格总论}（<span class="fontcolor3">{总格吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{总格释义}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">外格{外格}的解析：</span>外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{外格总论}（<span class="fontcolor3">{外格吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{外格释义}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"><span class="fontcolor1">对三才数理的影响：</span>您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2">{三才总论}（<span class="fontcolor3">{三才吉凶}</span>）</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" colspan="2"> → 详细解释：<br>{三才释义}<br></td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor">对基础运的影响</td><td class="tdbgcolor">{基础运}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor">对成功运的影响</td><td class="tdbgcolor">{成功运}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor">对人际关系的影响</td><td class="tdbgcolor">{人际关系}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" width="20%">对性格的影响</td><td class="tdbgcolor">{性格}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor" width="20%">天格{天格}有以下数理暗示</td><td class="tdbgcolor">{天格数理暗示}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor" width="20%">人格{人格}有以下数理暗示</td><td class="tdbgcolor">{人格数理暗示}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor">地格{地格}有以下数理暗示</td><td class="tdbgcolor">{地格数理暗示}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor">总格{总格}有以下数理暗示</td><td class="tdbgcolor">{总格数理暗示}</td></tr>
<tr class="tdbgcolor"><td class="tdbgcolor">外格{外格}有以下数理暗示</td><td class="tdbgcolor">{外格数理暗示}</td></tr>
</table>
<div class="divh"></div>
<table class="tablebgcolor" width="96%" align="center" cellspacing="1" cellpadding="0" border="0">
<tr class="tdbgcolor"><td class="tdbgcolor">总评及建议：<br>&nbsp;&nbsp;{总分建议}<div class="divh"></div></td><td class="tdbgcolor" width="40%">姓名五格评分：<span class="fontcolor3" style="font-size:24px;font-family:Arial"><b>{评分总分}</b> 分</span></td></tr>
</table>
</body>
</html>
)";

const char* const kCharacterPage = R"(<html>
<head>
<meta http-equiv="Content-Language" content="zh-cn">
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>{汉字}</title>
<style type="text/css">
body{font-family:宋体;font-size:12px;margin:0px;padding:0px;}
a{color:#4a4a48;font-size:12px;text-decoration:none;}
a:hover{color:#0482C6;font-size:12px;text-decoration:none;}
td{color:#3C3C3C;font-size:14px;line-height:20px;}
.font_14{font-size:22px;line-height:130%;}
.font_22{font-size:52px;color:#FF0000;line-height:130%;}
</style>
</head>
<body topmargin="2" leftmargin="0" bgcolor="#FFFFEC">
<table width="580" align="center" border="0" cellspacing="0" cellpadding="0" style="word-break:break-all">
<tr><td>&nbsp;</td></tr>
<tr><td>
<table width="100%" border="0" cellspacing="0" cellpadding="0">
<tr>
<td width="90" align="center" class="font_22">{汉字}</td>
<td>
<table width="95%" border="0" cellpadding="3" cellspacing="1" bgcolor="#FFFFFF">
<tr bgcolor="#E7ECF8"><td width="15%" bgcolor="#E7ECF8">拼音：</td><td width="55%" bgcolor="#E7ECF8" class="font_14">{拼音}</td><td width="20%" bgcolor="#E7ECF8">简体笔划：</td><td width="10%" bgcolor="#E7ECF8">{简体笔划}</td></tr>
<tr bgcolor="#E7ECF8"><td bgcolor="#E7ECF8">部首：</td><td bgcolor="#E7ECF8">{部首}</td><td bgcolor="#E7ECF8">繁体笔划：</td><td bgcolor="#E7ECF8">{繁体笔划}</td></tr>
</table>
</td>
</tr>
</table>
</td></tr>
<tr><td>
<table width="98%" align="center" border="0" cellspacing="0" cellpadding="0">
<tr><td><br><b>基本解释</b>：<hr>{基本解释}<br><br><b>详细解释</b>：<hr>{详细解释}<br><br></td></tr>
</table>
</td></tr>
</table>
</body>
</html>
)";

const char* const kSurnamePage = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>百家姓_{姓氏}</title>
</head>
<body leftmargin="30" topmargin="30" rightmargin="30" bottommargin="30" bgcolor="#FFFFEC">
<font size="5" color="#FF0000"><b>{姓氏}</b></font><br>
<br><b>姓氏起源</b>： <br>{姓氏起源}<br><br><b>分布地域</b>： <br>{聚集地}<br><br><b>历史名人</b>： <br>{历史名人}<br>
</body>
</html>
)";

}  // namespace

const std::string& nameReportTemplate() {
    static const std::string page = withCrLf(kNameReport);
    return page;
}

const std::string& characterPageTemplate() {
    static const std::string page = withCrLf(kCharacterPage);
    return page;
}

const std::string& surnamePageTemplate() {
    static const std::string page = withCrLf(kSurnamePage);
    return page;
}

}  // namespace nuvelo::report
