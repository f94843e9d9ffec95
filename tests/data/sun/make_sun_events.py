#!/usr/bin/python3
# Writes sun_events.csv: reference sun events from PyEphem (Debian's python3-ephem), an implementation
# independent of ours. Run by hand when the table needs more rows; the suite only reads its output.
#
# Each row: place, latitude, longitude, date, event, seconds from 00:00 UTC of that date (may be below 0
# or past 86400 far from Greenwich), or "none" when the sun does not cross that altitude that day.
# The centre of the sun at -0:50 (sunrise/sunset) or -6 degrees (dawn/dusk), no refraction added.
import ephem

PLACES = [
    ("Berlin", 52.52, 13.405),
    ("Sydney", -33.87, 151.21),
    ("Quito", -0.18, -78.47),
    ("Tromso", 69.65, 18.96),
]
DATES = ["2027-03-28", "2027-10-31", "2027-06-21", "2027-12-21", "2027-05-15", "2027-01-20"]
EVENTS = [("sunrise", "-0:50", True), ("sunset", "-0:50", False),
          ("dawn", "-6", True), ("dusk", "-6", False)]

print("place,latitude,longitude,date,event,utc_seconds")
for name, lat, lon in PLACES:
    for date in DATES:
        midnight = ephem.Date(date.replace("-", "/"))
        solar_midnight = ephem.Date(midnight - lon / 360.0)
        for event, horizon, rising in EVENTS:
            obs = ephem.Observer()
            obs.lat, obs.lon = str(lat), str(lon)
            obs.pressure = 0
            obs.horizon = horizon
            obs.date = solar_midnight
            try:
                find = obs.next_rising if rising else obs.next_setting
                when = find(ephem.Sun(), use_center=True)
                if when - solar_midnight > 1.0:
                    raise ephem.CircumpolarError("next day")
                value = str(round((when - midnight) * 86400))
            except ephem.CircumpolarError:
                value = "none"
            print(f"{name},{lat},{lon},{date},{event},{value}")
