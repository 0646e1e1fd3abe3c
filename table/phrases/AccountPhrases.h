#pragma once
// Player accounts: login, registration, the profile, transfers of Vyxs.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms Europe{"Europe"};
inline constexpr PhraseForms Asia{"Asia"};
inline constexpr PhraseForms NorthAmerica{"North America"};
inline constexpr PhraseForms SouthAmerica{"South America"};
inline constexpr PhraseForms Oceania{"Oceania"};
inline constexpr PhraseForms Africa{"Africa"};
inline constexpr PhraseForms Male{"Male"};
inline constexpr PhraseForms Female{"Female"};
inline constexpr PhraseForms MyAccount{"My account"};
inline constexpr PhraseForms MyResults{"My results"};
inline constexpr PhraseForms LoginToAccount{"Login to account"};
inline constexpr PhraseForms SignOut{"Sign out"};
inline constexpr PhraseForms YourAccountInformation{"Your account information"};
inline constexpr PhraseForms Registration{"Registration"};
inline constexpr PhraseForms HidePassword{"Hide password"};
inline constexpr PhraseForms PlayGlobalRating{"Play global rating"};
inline constexpr PhraseForms AccountCreated{"Your account has been successfully created!"};
inline constexpr PhraseForms NickTaken{"The club already has a player with the same Nick!"};
inline constexpr PhraseForms CouldNotCreateAccount{"Could not create account!"};
inline constexpr PhraseForms LoginFailed{"Login failed!"};
inline constexpr PhraseForms InformationAboutYourGames{"Information about your games"};
inline constexpr PhraseForms PlayedGames{"Played games"};
inline constexpr PhraseForms MyBestScore{"My best score"};
inline constexpr PhraseForms Top10BestRated{"Top 10 best rated players"};
inline constexpr PhraseForms CreateAnAccount{"Create an account"};
inline constexpr PhraseForms Delete{"Delete"};
inline constexpr PhraseForms PlayedCycles{"Played cycles"};
inline constexpr PhraseForms CurrentDeal{"Current Deal"};
inline constexpr PhraseForms CurrentScore{"Current Score"};
inline constexpr PhraseForms Vyxs{"Vyxs"};
inline constexpr PhraseForms Transfer{"Transfer"};
inline constexpr PhraseForms Refill{"Refill"};
inline constexpr PhraseForms RestartTheGame{"Restart the game!"};
inline constexpr PhraseForms ReallyTransfer{"Do you really want to transfer to a club member"};
inline constexpr PhraseForms TransferSuccessful{"Transfer is successful!"};
inline constexpr PhraseForms NotEnoughVyxs{"You do not have enough Vyxs to transfer!"};
inline constexpr PhraseForms EmptyTransfer{"I can not make an empty transfer!"};
inline constexpr PhraseForms NoMemberWithNick{"There is no club member with that nick!"};
inline constexpr PhraseForms AddVyxs{"Add Vyxs to Your account"};
inline constexpr PhraseForms TransferVyxs{"Transfer Vyxs"};
inline constexpr PhraseForms TransferAmount{"Transfer amount"};
inline constexpr PhraseForms TransferToNick{"Nick of the club member you want to transfer to"};
inline constexpr PhraseForms AboutMe{"About me"};
inline constexpr PhraseForms President{"President"};
inline constexpr PhraseForms Refresh{"Refresh"};
inline constexpr PhraseForms CopiedToClipboard{"Copied to clipboard!"};
inline constexpr PhraseForms PresidentOfTheOrder{"President of the Order"};
inline constexpr PhraseForms YourName{"Your name"};
inline constexpr PhraseForms YourLastName{"Your last name"};
inline constexpr PhraseForms BriefInformation{"Brief information about you"};
inline constexpr PhraseForms YourPhone{"Your phone number"};
inline constexpr PhraseForms YourEmail{"Your e-mail"};
inline constexpr PhraseForms YourWebSite{"Your web site"};
inline constexpr PhraseForms YourSkype{"Your skype"};
inline constexpr PhraseForms YourOk{"Your OK"};
inline constexpr PhraseForms YourVk{"Your VK"};
inline constexpr PhraseForms YourTelegram{"Your Telegram"};
inline constexpr PhraseForms YourFacebook{"Your Facebook"};
inline constexpr PhraseForms YourTwitter{"Your Twitter"};
inline constexpr PhraseForms YourInstagram{"Your Instagram"};
inline constexpr PhraseForms YourYouTube{"Your YouTube"};
inline constexpr PhraseForms PhotoFormat{"The photo must be in jpg format 200x250 pixels in size!"};
inline constexpr PhraseForms PhotoUploadFailed{"Failed to upload photo to server!"};
inline constexpr PhraseForms InfoVisibleToOthers{"This information may be visible to other club members."};
inline constexpr PhraseForms UpdateInfo{"Update info"};
inline constexpr PhraseForms RefreshPhoto{"Refresh photo"};

} // namespace halvane::ph
