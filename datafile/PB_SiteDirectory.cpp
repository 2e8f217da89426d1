#include "datafile/PB_SiteDirectory.h"

#include <cctype>

namespace {

// One site a row, in the order of the directory; a row whose group differs from the row before
// starts a new group. Blocked holds blank-separated address prefixes; one that starts with "/"
// is a path on the site's own host. A table of plain C strings costs no code of its own.
struct SiteRow {
    const char* Group;
    const char* Host;
    const char* Description1 = "";
    const char* Description2 = "";
    const char* Blocked = "";
    int MinImageSize = 20;
    int MinWidth = 300;
    int MinHeight = 300;
};

// clang-format off
constexpr SiteRow Rows[] = {
    {"Anime", "www.animegallery.example", "This site gives a lot but requires some waiting", "",
     "/banners/ /ads/ /popup/ /forum/ /chat/ /shop/ /links/ /guestbook/ /members/ /join/ /cgi-bin/ /counter/ "
      "/vote/ /top100/ /news/ /thumbs/ /icons/ /buttons/ /sponsors/ /mail/ /search/ /login/"},
    {"Anime", "www.mangaposter.example"},
    {"Anime", "www.animewalls.example"},
    {"Anime", "www.toonscreens.example"},
    {"Architecture", "www.greatbuildings.example"},
    {"Architecture", "www.archiphoto.example", "A bit a slow site"},
    {"Bikini", "www.bikinibeach.example", "Girls in bikini"},
    {"Bikini", "www.sunbathers.example", "Girls wearing bikinis and girls wearing less than that"},
    {"Bikini", "www.swimsuitshots.example", "Girls in bikini (or less)", "", "/webcam/"},
    {"Cars", "www.carpictures.example", "Thousands of large pictures of cars", "",
     "/forum/ /shop/ ads.bannerhost.example/cars/"},
    {"Cars", "www.supercars.example"},
    {"Cars", "www.classicmotors.example"},
    {"Cars", "www.autophotos.example", "A lot of cars"},
    {"Celebrities", "www.celebrityphotos.example", "Large collection of celabrity photos"},
    {"Celebrities", "www.starimages.example", "Many large sized images of celebrities"},
    {"Celebrities", "www.celebarchive.example", "Many, many images of celebs",
     "Not all images are of a very fine quality."},
    {"Celebrities", "www.famousgirls.example", "Sexy and famous girls", "", "/join/"},
    {"Celebrities", "www.latincelebs.example", "Lartin celebs"},
    {"Celebrities", "www.celebskin.example", "Female celebrities with little or none clothing"},
    {"Celebrities", "www.celebpictures.example", "All kinds of photos of celebrities"},
    {"Celebrities", "www.stargallery.example"},
    {"Celebrities", "www.celebimages.example", "Images of celebrities",
     "The grab will start slowly but when it is going a lot is comming"},
    {"Celebrities", "www.famousfemales.example", "Another site in the largly popular category:",
     "Famous females with little clothing"},
    {"Celebrities", "www.celebposters.example", "This site is slow but gives a lot if you are patient.",
     "Large pictures, good quality"},
    {"Fantasy", "www.fantasyart.example", "Starts slow but worth the wait", "Many very nice images"},
    {"Fantasy", "www.dragonpaintings.example"},
    {"Fantasy", "www.fantasywomen.example", "Site starts slow, many fantasy images of woman"},
    {"Fantasy", "www.mythicimages.example", "", "", "www.fantasyshop.example/ banners.adnet.example/fantasy/"},
    {"Nature", "www.naturephotos.example", "", "", "/ecards/ /shop/"},
    {"Nature", "www.wildlifeshots.example"},
    {"Nature", "www.landscapes.example"},
    {"Paintings", "www.oldmasters.example"},
    {"Paintings", "www.kunstbilder.example", "A collection of images of paintings in Germany"},
    {"Paintings", "www.peintures.example", "A French collection of paintings", "",
     "/boutique/ /forum/ /liens/ /cartes/"},
    {"Paintings", "www.paintinggallery.example", "Nice paintings, many of them but a slow site", "", "/prints/"},
    {"Paintings", "www.artmuseum.example"},
    {"Paintings", "www.canvasworks.example"},
    {"Paintings", "www.renderart.example", "Many interested computer rendered graphics"},
    {"Photography", "www.photoclub.example"},
    {"Photography", "www.lenswork.example"},
    {"Photography", "www.irishphoto.example", "Pictures made by irish photographers",
     "Site starts slow but finally will give a lot"},
    {"Photography", "www.photocollection.example", "All kinds of photos and many of them"},
    {"Photography", "www.shutterworld.example"},
    {"Photography", "www.artphotos.example", "Artistic photographs and nice images about almost everything"},
    {"Russian brides", "www.russianbrides.example", "", "", "/order/ /tours/", 15, 200, 200},
    {"Russian brides", "www.russianwomen.example", "Hundreds and hundres of them", "", "", 15, 200, 200},
    {"Russian brides", "www.slavicbeauty.example", "", "", "/order/ /contact/ /letters/ /tours/", 10, 200, 200},
    {"Russian brides", "www.moscowgirls.example", "", "", "/order/", 20, 250, 250},
    {"Russian brides", "www.ukrainebrides.example", "", "", "", 15, 200, 200},
    {"Russian brides", "www.russiandating.example", "", "", "/order/ /contact/ /tours/"},
    {"Russian brides", "www.siberianbrides.example", "A bit a slow site", "", "/order/ /letters/", 15, 200, 200},
    {"Russian brides", "www.volgabrides.example", "", "", "/order/ www.datingads.example/", 10, 200, 200},
    {"Russian brides", "www.petersburgladies.example", "", "", "/order/ /tours/", 10, 200, 200},
    {"The Universe", "www.nasaimages.example", "A large site of NASA.",
     "This site delivers its content slow, but be patient, a lot will come"},
    {"The Universe", "www.telescopeviews.example", "Mostly images taken by telescope"},
    {"The Universe", "www.southernobservatory.example", "The work of European astronomers in Chili", "",
     "/public/jobs/ /public/events/"},
    {"The Universe", "www.spacetelescope.example", "Some amazing images from the space telescope"},
    {"The Universe", "www.nasaphotos.example", "Images from outer space brought by NASA"},
    {"The Universe", "www.deepspace.example", "This site is a slow starter but gives great images"},
    {"The Universe", "www.astroimages.example", "Nice and large collection of astronomical images"},
    {"The Universe", "www.starfields.example", "Many good images", "", "/shop/ /forum/"},
    {"Wallpapers", "www.wallpaperworld.example", "Large collection of wallpapers. "},
    {"Wallpapers", "www.originalwalls.example", "Site got what it announces but it comes rather slow",
     "Orignal content though."},
    {"Wallpapers", "www.wallpapercity.example", "Large collection of wallpapers",
     "You could use the sitemap to block those groups you don't want"},
    {"Wallpapers", "www.celebwallpapers.example", "A large collection of wallpapers of famous people.",
     "Mostly female, mostly showing a large but not undecent amount of skin."},
    {"Wallpapers", "www.desktopwalls.example", "A lot of wallpapers", "Good quality, a bit slow site",
     "/forum/ /links/ /upload/"},
    {"Wallpapers", "www.wallpaperplanet.example", "Nice and large collection of wallpapers"},
    {"Wallpapers", "www.hugewallpapers.example", "Hughe collection of wallpapers. ",
     "You could use the sitemap to block those you don't want.", "/cartoons/ /games/ /movies/"},
    {"Wallpapers", "www.wallpaperbase.example", "Hughe collection of wallpapers",
     "You could use the sitemap to block out those groups you don't want. ", "/games/"},
    {"Wallpapers", "www.wallpaperzone.example", "Hughe collection of wallpapers.",
     "You could use the sitemap to block those groups you don't want"},
    {"Wallpapers", "www.widewallpapers.example", "Original and good content, very large collection",
     "Minimum image width is 1000 to avoid getting every wallpaper double.", "", 20, 1000, 300},
    {"XXX Adult", "www.adultgallery.example"},
    {"XXX Adult", "www.xxxpictures.example"},
    {"XXX Adult", "www.adultarchive.example"},
    {"XXX Adult", "www.nudeimages.example"},
    {"XXX Adult", "www.eroticphotos.example"},
    {"XXX Adult", "www.adultposters.example", "A fast site with many large pictures"},
    {"XXX Adult", "www.hotpictures.example"},
    {"XXX Adult", "www.adultwalls.example"},
    {"XXX Adult", "www.xxxgallery.example"},
    {"XXX Adult", "www.nudeart.example"},
    {"XXX Adult", "www.adultshots.example"},
    {"XXX Adult", "www.eroticart.example"},
    {"XXX Adult", "www.adultimages.example"},
};
// clang-format on

std::vector<std::string> BlockedPrefixes(const std::string& host, const std::string& blocked) {
    std::vector<std::string> prefixes;
    std::size_t start = 0;
    while (start < blocked.size()) {
        std::size_t end = blocked.find(' ', start);
        if (end == std::string::npos) end = blocked.size();
        const std::string prefix = blocked.substr(start, end - start);
        prefixes.push_back(prefix[0] == '/' ? host + prefix : prefix);
        start = end + 1;
    }
    return prefixes;
}

std::vector<TSiteGroup> BuildDirectory() {
    std::vector<TSiteGroup> groups;
    for (const SiteRow& row : Rows) {
        if (groups.empty() || groups.back().Name != row.Group) groups.push_back({row.Group, {}});
        TSiteEntry site;
        site.Host = row.Host;
        site.MinImageSize = row.MinImageSize;
        site.MinWidth = row.MinWidth;
        site.MinHeight = row.MinHeight;
        site.Description1 = row.Description1;
        site.Description2 = row.Description2;
        site.Blocked = BlockedPrefixes(site.Host, row.Blocked);
        groups.back().Sites.push_back(site);
    }
    return groups;
}

} // namespace

const std::vector<TSiteGroup>& SiteDirectory() {
    static const std::vector<TSiteGroup> directory = BuildDirectory();
    return directory;
}

std::string SiteTitle(const std::string& host) {
    std::string title = host.rfind("www.", 0) == 0 ? host.substr(4) : host;
    if (!title.empty()) title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    return title;
}
