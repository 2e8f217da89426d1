#include "datafile/PB_SiteDirectory.h"

#include <cctype>
#include <initializer_list>

namespace {

// A site with the usual limits; the blocked paths lie on its own host. (Plain C strings keep
// the long table below from building a std::string at every call.)
TSiteEntry Site(const char* host, const char* description1 = "", const char* description2 = "",
                std::initializer_list<const char*> blockedPaths = {})
{
    TSiteEntry site;
    site.Host = host;
    site.Description1 = description1;
    site.Description2 = description2;
    for (const char* path : blockedPaths)
        site.Blocked.push_back(site.Host + path);
    return site;
}

TSiteEntry WithLimits(TSiteEntry site, int minImageSize, int minWidth, int minHeight)
{
    site.MinImageSize = minImageSize;
    site.MinWidth = minWidth;
    site.MinHeight = minHeight;
    return site;
}

TSiteEntry AlsoBlocking(TSiteEntry site, std::initializer_list<const char*> prefixes)
{
    site.Blocked.insert(site.Blocked.end(), prefixes.begin(), prefixes.end());
    return site;
}

std::vector<TSiteGroup> BuildDirectory()
{
    return {
        {"Anime", {
            Site("www.animegallery.example", "This site gives a lot but requires some waiting", "",
                 {"/banners/", "/ads/", "/popup/", "/forum/", "/chat/", "/shop/", "/links/", "/guestbook/",
                  "/members/", "/join/", "/cgi-bin/", "/counter/", "/vote/", "/top100/", "/news/", "/thumbs/",
                  "/icons/", "/buttons/", "/sponsors/", "/mail/", "/search/", "/login/"}),
            Site("www.mangaposter.example"),
            Site("www.animewalls.example"),
            Site("www.toonscreens.example"),
        }},
        {"Architecture", {
            Site("www.greatbuildings.example"),
            Site("www.archiphoto.example", "A bit a slow site"),
        }},
        {"Bikini", {
            Site("www.bikinibeach.example", "Girls in bikini"),
            Site("www.sunbathers.example", "Girls wearing bikinis and girls wearing less than that"),
            Site("www.swimsuitshots.example", "Girls in bikini (or less)", "", {"/webcam/"}),
        }},
        {"Cars", {
            AlsoBlocking(Site("www.carpictures.example", "Thousands of large pictures of cars", "", {"/forum/", "/shop/"}),
                         {"ads.bannerhost.example/cars/"}),
            Site("www.supercars.example"),
            Site("www.classicmotors.example"),
            Site("www.autophotos.example", "A lot of cars"),
        }},
        {"Celebrities", {
            Site("www.celebrityphotos.example", "Large collection of celabrity photos"),
            Site("www.starimages.example", "Many large sized images of celebrities"),
            Site("www.celebarchive.example", "Many, many images of celebs", "Not all images are of a very fine quality."),
            Site("www.famousgirls.example", "Sexy and famous girls", "", {"/join/"}),
            Site("www.latincelebs.example", "Lartin celebs"),
            Site("www.celebskin.example", "Female celebrities with little or none clothing"),
            Site("www.celebpictures.example", "All kinds of photos of celebrities"),
            Site("www.stargallery.example"),
            Site("www.celebimages.example", "Images of celebrities",
                 "The grab will start slowly but when it is going a lot is comming"),
            Site("www.famousfemales.example", "Another site in the largly popular category:",
                 "Famous females with little clothing"),
            Site("www.celebposters.example", "This site is slow but gives a lot if you are patient.",
                 "Large pictures, good quality"),
        }},
        {"Fantasy", {
            Site("www.fantasyart.example", "Starts slow but worth the wait", "Many very nice images"),
            Site("www.dragonpaintings.example"),
            Site("www.fantasywomen.example", "Site starts slow, many fantasy images of woman"),
            AlsoBlocking(Site("www.mythicimages.example"), {"www.fantasyshop.example/", "banners.adnet.example/fantasy/"}),
        }},
        {"Nature", {
            Site("www.naturephotos.example", "", "", {"/ecards/", "/shop/"}),
            Site("www.wildlifeshots.example"),
            Site("www.landscapes.example"),
        }},
        {"Paintings", {
            Site("www.oldmasters.example"),
            Site("www.kunstbilder.example", "A collection of images of paintings in Germany"),
            Site("www.peintures.example", "A French collection of paintings", "",
                 {"/boutique/", "/forum/", "/liens/", "/cartes/"}),
            Site("www.paintinggallery.example", "Nice paintings, many of them but a slow site", "", {"/prints/"}),
            Site("www.artmuseum.example"),
            Site("www.canvasworks.example"),
            Site("www.renderart.example", "Many interested computer rendered graphics"),
        }},
        {"Photography", {
            Site("www.photoclub.example"),
            Site("www.lenswork.example"),
            Site("www.irishphoto.example", "Pictures made by irish photographers",
                 "Site starts slow but finally will give a lot"),
            Site("www.photocollection.example", "All kinds of photos and many of them"),
            Site("www.shutterworld.example"),
            Site("www.artphotos.example", "Artistic photographs and nice images about almost everything"),
        }},
        {"Russian brides", {
            WithLimits(Site("www.russianbrides.example", "", "", {"/order/", "/tours/"}), 15, 200, 200),
            WithLimits(Site("www.russianwomen.example", "Hundreds and hundres of them"), 15, 200, 200),
            WithLimits(Site("www.slavicbeauty.example", "", "", {"/order/", "/contact/", "/letters/", "/tours/"}), 10, 200, 200),
            WithLimits(Site("www.moscowgirls.example", "", "", {"/order/"}), 20, 250, 250),
            WithLimits(Site("www.ukrainebrides.example"), 15, 200, 200),
            Site("www.russiandating.example", "", "", {"/order/", "/contact/", "/tours/"}),
            WithLimits(Site("www.siberianbrides.example", "A bit a slow site", "", {"/order/", "/letters/"}), 15, 200, 200),
            WithLimits(AlsoBlocking(Site("www.volgabrides.example", "", "", {"/order/"}), {"www.datingads.example/"}),
                       10, 200, 200),
            WithLimits(Site("www.petersburgladies.example", "", "", {"/order/", "/tours/"}), 10, 200, 200),
        }},
        {"The Universe", {
            Site("www.nasaimages.example", "A large site of NASA.",
                 "This site delivers its content slow, but be patient, a lot will come"),
            Site("www.telescopeviews.example", "Mostly images taken by telescope"),
            Site("www.southernobservatory.example", "The work of European astronomers in Chili", "",
                 {"/public/jobs/", "/public/events/"}),
            Site("www.spacetelescope.example", "Some amazing images from the space telescope"),
            Site("www.nasaphotos.example", "Images from outer space brought by NASA"),
            Site("www.deepspace.example", "This site is a slow starter but gives great images"),
            Site("www.astroimages.example", "Nice and large collection of astronomical images"),
            Site("www.starfields.example", "Many good images", "", {"/shop/", "/forum/"}),
        }},
        {"Wallpapers", {
            Site("www.wallpaperworld.example", "Large collection of wallpapers. "),
            Site("www.originalwalls.example", "Site got what it announces but it comes rather slow",
                 "Orignal content though."),
            Site("www.wallpapercity.example", "Large collection of wallpapers",
                 "You could use the sitemap to block those groups you don't want"),
            Site("www.celebwallpapers.example", "A large collection of wallpapers of famous people.",
                 "Mostly female, mostly showing a large but not undecent amount of skin."),
            Site("www.desktopwalls.example", "A lot of wallpapers", "Good quality, a bit slow site",
                 {"/forum/", "/links/", "/upload/"}),
            Site("www.wallpaperplanet.example", "Nice and large collection of wallpapers"),
            Site("www.hugewallpapers.example", "Hughe collection of wallpapers. ",
                 "You could use the sitemap to block those you don't want.", {"/cartoons/", "/games/", "/movies/"}),
            Site("www.wallpaperbase.example", "Hughe collection of wallpapers",
                 "You could use the sitemap to block out those groups you don't want. ", {"/games/"}),
            Site("www.wallpaperzone.example", "Hughe collection of wallpapers.",
                 "You could use the sitemap to block those groups you don't want"),
            WithLimits(Site("www.widewallpapers.example", "Original and good content, very large collection",
                            "Minimum image width is 1000 to avoid getting every wallpaper double."),
                       20, 1000, 300),
        }},
        {"XXX Adult", {
            Site("www.adultgallery.example"),
            Site("www.xxxpictures.example"),
            Site("www.adultarchive.example"),
            Site("www.nudeimages.example"),
            Site("www.eroticphotos.example"),
            Site("www.adultposters.example", "A fast site with many large pictures"),
            Site("www.hotpictures.example"),
            Site("www.adultwalls.example"),
            Site("www.xxxgallery.example"),
            Site("www.nudeart.example"),
            Site("www.adultshots.example"),
            Site("www.eroticart.example"),
            Site("www.adultimages.example"),
        }},
    };
}

} // namespace

const std::vector<TSiteGroup>& SiteDirectory()
{
    static const std::vector<TSiteGroup> directory = BuildDirectory();
    return directory;
}

std::string SiteTitle(const std::string& host)
{
    std::string title = host.rfind("www.", 0) == 0 ? host.substr(4) : host;
    if (!title.empty())
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    return title;
}
